#pragma once

#include <cstdint>

class Surface;

// Draws a picture through its mask onto dest with its top-left corner at (x, y): the mask with MERGEPAINT
// whitens the shape (black in the mask), then the picture with SRCAND puts its colours there. Both copies
// take the picture's width and height; whatever falls outside dest is clipped.
void drawMasked(Surface& dest, const std::int16_t& x, const std::int16_t& y, const Surface& picture,
                const Surface& mask);
