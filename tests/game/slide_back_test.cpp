#include <gtest/gtest.h>

#include "slide_back.h"
#include "surface.h"

TEST(StepTowards, TwoPixelsAlongTheLineRoundedLandingWithinAStepAndHeldInsideTheCanvas)
{
    struct Step {
        int fromX, fromY, targetX, targetY, toX, toY;
    };
    const Step steps[] = {
        {0, 0, 100, 0, 2, 0},         // straight along an axis
        {0, 0, 30, 40, 1, 2},         // a 3-4-5 line: (1.2, 1.6) rounded
        {0, 0, 1, 70, 0, 2},          // 0.03 a step on x never moves that axis
        {50, 50, 51, 51, 51, 51},     // within a step: lands
        {51, 51, 51, 51, 51, 51},     // and stays
        {99, 50, 130, 50, 100, 50},   // a target right of the 100 x 80 canvas is held on its edge
        {100, 50, 130, 50, 100, 50},  // and stays there
        {1, 1, -40, -40, 0, 0},       // as is one above and left of it
    };
    for (const Step& step : steps) {
        auto x = static_cast<std::int16_t>(step.fromX);
        auto y = static_cast<std::int16_t>(step.fromY);
        StepTowards(100, 80, x, y, static_cast<std::int16_t>(step.targetX), static_cast<std::int16_t>(step.targetY));
        EXPECT_EQ(std::pair(int{x}, int{y}), std::pair(step.toX, step.toY))
            << "from " << step.fromX << ',' << step.fromY << " towards " << step.targetX << ',' << step.targetY;
    }
}

TEST(SlideBack, RestsInsetFiveFromTheTubesBottomLeftAndArrivesWithinThreePixels)
{
    const CanvasPoint rest = restingPlace(100, 200, Surface(30, 34), Surface(16, 16));
    EXPECT_EQ(rest.x, 105);
    EXPECT_EQ(rest.y, 200 + 34 - 5 - 16);

    const CanvasPoint target{100, 100};
    EXPECT_TRUE(hasArrived(103, 97, target));
    EXPECT_FALSE(hasArrived(104, 100, target));
    EXPECT_FALSE(hasArrived(100, 96, target));
}
