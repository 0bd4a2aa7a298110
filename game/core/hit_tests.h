#pragma once

#include <cstdint>

class MaskBits;
class Surface;

// The overlap surface of the wall test. It is never shown; all that matters of it between two tests is its
// size, which follows the last tested object mask, and its background colour.
struct OverlapSurface {
    static constexpr std::uint32_t kBackground = 0x00C00000;  // RGB(192, 0, 0): never black
    int width = 65;
    int height = 73;
};

// The inverted-mask surface holds at most this much of an object mask; beyond it the wall test sees only the tube.
constexpr int kInvertedMaskWidth = 281;
constexpr int kInvertedMaskHeight = 265;

// Wall test: does a solid pixel of object mask A at (x1, y1) lie on a solid pixel of tube mask B at (x2, y2)?
// Gives the same answer as the raster-operation sequence over the overlap surface W and the 281 x 265
// inverted-mask surface: only the part of A that fits into W's size before this test counts (W then takes A's
// size), and beyond 281 x 265 a solid tube pixel counts under any object pixel.
bool masksOverlap(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const MaskBits& maskA,
                  const MaskBits& maskB, OverlapSurface& overlap);

// Delivery test: is the centre of picture A at (x1, y1) strictly inside the rectangle of picture B at (x2, y2)?
// A half pixel of the centre counts.
bool centreInBox(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const Surface& pictureA,
                 const Surface& pictureB);
