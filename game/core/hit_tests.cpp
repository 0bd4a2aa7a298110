#include "hit_tests.h"

#include <algorithm>

#include "surface.h"

namespace {

// What the two copies of B (MERGEPAINT, then SRCINVERT) leave on W's background: white exactly where no bit
// of B is set that the background has set, so black, and any colour with red below 64, counts as solid.
constexpr bool tubePixelTurnsWhite(Rgb b)
{
    return (((~b | OverlapSurface::kBackground) ^ b) & kWhite) == kWhite;
}

}  // namespace

bool MasksOverlap(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const Surface& maskA,
                  const Surface& maskB, OverlapSurface& overlap)
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
    for (int y = yFrom; y < yTo; ++y) {
        const Rgb* rowB = maskB.row(y + dy) + dx;
        const Rgb* rowA = maskA.row(y);
        const bool beyondInvertedMaskRows = y >= kInvertedMaskHeight;
        bool hit = false;
        for (int x = xFrom; x < xTo; ++x) {
            // Outside the inverted-mask surface A was never inverted, so W keeps what B made of it.
            const bool aSolid = rowA[x] == kBlack || beyondInvertedMaskRows || x >= kInvertedMaskWidth;
            hit |= aSolid && tubePixelTurnsWhite(rowB[x]);
        }
        if (hit)
            return true;
    }
    return false;
}

bool CentreInBox(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const Surface& pictureA,
                 const Surface& pictureB)
{
    const double cx = x1 + pictureA.width() / 2.0;
    const double cy = y1 + pictureA.height() / 2.0;
    return x2 < cx && cx < x2 + pictureB.width() && y2 < cy && cy < y2 + pictureB.height();
}

bool CheckForDrag(std::int16_t pointerX, std::int16_t pointerY, std::int16_t objectX, std::int16_t objectY,
                  const Surface& mask)
{
    const std::optional<Rgb> colour = mask.pixel(pointerX - objectX, pointerY - objectY);
    return colour && *colour == kBlack;
}
