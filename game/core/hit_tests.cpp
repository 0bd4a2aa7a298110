#include "hit_tests.h"

#include <algorithm>

#include "mask_bits.h"
#include "surface.h"

namespace {

constexpr int kWordBits = 64;

// Solid object bits over solid tube bits anywhere in [from, to) of one row of the object.
bool rowOverlaps(const MaskBits& a, const MaskBits& b, int y, int dx, int dy, int from, int to)
{
    for (int x = from; x < to; x += kWordBits) {
        const int count = std::min(kWordBits, to - x);
        if (a.bitsAt(x, y, count) & b.bitsAt(x + dx, y + dy, count))
            return true;
    }
    return false;
}

// Beyond the inverted-mask surface the object mask was never inverted, so W keeps what B made of it.
bool rowTubeSolid(const MaskBits& b, int y, int dx, int dy, int from, int to)
{
    for (int x = from; x < to; x += kWordBits) {
        if (b.bitsAt(x + dx, y + dy, std::min(kWordBits, to - x)))
            return true;
    }
    return false;
}

}  // namespace

bool masksOverlap(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const MaskBits& maskA,
                  const MaskBits& maskB, OverlapSurface& overlap)
{
    const int dx = x1 - x2;
    const int dy = y1 - y2;
    // Pixels beyond W's size before the test never received the copies; W's new area is its background.
    const int scanWidth = std::min({maskA.width(), overlap.width, maskB.width()});
    const int scanHeight = std::min({maskA.height(), overlap.height, maskB.height()});
    overlap.width = maskA.width();
    overlap.height = maskA.height();

    // Rows and columns of W that also lie inside B at the offset.
    const int xFrom = std::max(0, -dx);
    const int xTo = std::min(scanWidth, maskB.width() - dx);
    const int yFrom = std::max(0, -dy);
    const int yTo = std::min(scanHeight, maskB.height() - dy);
    const int invertedTo = std::min(xTo, kInvertedMaskWidth);
    for (int y = yFrom; y < yTo; ++y) {
        const bool hit = y < kInvertedMaskHeight
                             ? rowOverlaps(maskA, maskB, y, dx, dy, xFrom, invertedTo) ||
                                   rowTubeSolid(maskB, y, dx, dy, std::max(xFrom, kInvertedMaskWidth), xTo)
                             : rowTubeSolid(maskB, y, dx, dy, xFrom, xTo);
        if (hit)
            return true;
    }
    return false;
}

bool centreInBox(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const Surface& pictureA,
                 const Surface& pictureB)
{
    const double cx = x1 + pictureA.width() / 2.0;
    const double cy = y1 + pictureA.height() / 2.0;
    return x2 < cx && cx < x2 + pictureB.width() && y2 < cy && cy < y2 + pictureB.height();
}
