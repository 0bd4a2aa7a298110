#pragma once

#include <cstdint>

class Surface;

// Is the mask pixel under the pointer solid, for a mask whose top-left corner lies at (cornerX, cornerY)? Only
// exact black is solid; a point outside the mask has no colour, which is not black.
bool hitsMask(std::int16_t x, std::int16_t y, std::int16_t cornerX, std::int16_t cornerY, const Surface& mask);
