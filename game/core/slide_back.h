#pragma once

#include <cstdint>

class Surface;

constexpr int kSlideStepPx = 2;
constexpr int kArrivalTolerancePx = 3;
// The tube's wall and floor: an object rests this far from its tube's left and bottom edges.
constexpr int kRestingInsetPx = 5;

struct CanvasPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Where object and tube pictures of these sizes put the object at rest: its bottom-left corner 5 pixels right
// of and 5 pixels above the tube's bottom-left corner.
CanvasPoint restingPlace(std::int16_t tubeX, std::int16_t tubeY, const Surface& tube, const Surface& object);

// One step of a slide: moves (x, y) 2 pixels towards the target, whose coordinates are first held inside
// the canvas of the given size; lands on the target when it is no further than a step away.
void stepTowards(int canvasWidth, int canvasHeight, std::int16_t& x, std::int16_t& y, std::int16_t targetX,
                 std::int16_t targetY);

// True when the position is within the arrival tolerance of the target on both axes.
bool hasArrived(std::int16_t x, std::int16_t y, CanvasPoint target);
