#include "slide_back.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "rounding.h"
#include "surface.h"

CanvasPoint restingPlace(std::int16_t tubeX, std::int16_t tubeY, const Surface& tube, const Surface& object)
{
    const std::optional<std::int16_t> x = toInt16(tubeX + kRestingInsetPx);
    const std::optional<std::int16_t> y = toInt16(tubeY + tube.height() - kRestingInsetPx - object.height());
    return {x.value_or(tubeX), y.value_or(tubeY)};
}

void stepTowards(int canvasWidth, int canvasHeight, std::int16_t& x, std::int16_t& y, std::int16_t targetX,
                 std::int16_t targetY)
{
    const int tx = std::clamp<int>(targetX, 0, std::max(canvasWidth, 0));
    const int ty = std::clamp<int>(targetY, 0, std::max(canvasHeight, 0));
    const double dx = tx - x;
    const double dy = ty - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance == 0.0)
        return;
    if (distance - kSlideStepPx <= 0.0) {
        x = static_cast<std::int16_t>(tx);
        y = static_cast<std::int16_t>(ty);
        return;
    }
    const std::optional<std::int16_t> nextX = toInt16(x + kSlideStepPx * dx / distance);
    const std::optional<std::int16_t> nextY = toInt16(y + kSlideStepPx * dy / distance);
    // A step that would leave the 16-bit range is skipped, as a failing step is.
    if (nextX && nextY) {
        x = *nextX;
        y = *nextY;
    }
}

bool hasArrived(std::int16_t x, std::int16_t y, CanvasPoint target)
{
    return std::abs(x - target.x) <= kArrivalTolerancePx && std::abs(y - target.y) <= kArrivalTolerancePx;
}
