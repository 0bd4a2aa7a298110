#pragma once

#include <cstdint>
#include <initializer_list>

class QRect;
class Surface;

// A picture drawn through its mask with its top-left corner at (x, y), as drawMasked draws it.
struct MaskedLayer {
    std::int16_t x;
    std::int16_t y;
    const Surface& picture;
    const Surface& mask;
};

// Composes the part `rect` of dest again: the background copied onto it at the same place (SRCCOPY), then each
// layer drawn through its mask, in order. Every pixel of `rect` ends exactly as after blit and drawMasked, and
// the rest of dest is left alone; so is a pixel of `rect` that neither the background nor a layer reaches.
// dest is neither the background nor a layer's picture or mask.
//
// It goes row by row, every layer on a row before the next, so each row of dest is finished while it is in
// the processor's cache: what makes mending a small part of a large frame about as cheap as copying it.
void composeMaskedLayers(Surface& dest, const QRect& rect, const Surface& background,
                         std::initializer_list<MaskedLayer> layers);
