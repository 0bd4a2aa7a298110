#include <gtest/gtest.h>

#include "slide_back.h"
#include "surface.h"

TEST(StepTowards, MovesTwoPixelsAlongTheLineRoundedToWholePixels)
{
    std::int16_t x = 0;
    std::int16_t y = 0;
    StepTowards(640, 480, x, y, 100, 0);
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 0);

    // A 3-4-5 line: the step is (1.2, 1.6), rounded to (1, 2).
    x = 0;
    y = 0;
    StepTowards(640, 480, x, y, 30, 40);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);

    // Towards (1, 100) from the origin the x part of a step is 0.02: it never moves that axis alone.
    x = 0;
    y = 0;
    StepTowards(640, 480, x, y, 1, 100);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 2);
}

TEST(StepTowards, LandsWhenWithinOneStepAndStaysOnTarget)
{
    std::int16_t x = 50;
    std::int16_t y = 50;
    StepTowards(640, 480, x, y, 51, 51);
    EXPECT_EQ(x, 51);
    EXPECT_EQ(y, 51);
    StepTowards(640, 480, x, y, 51, 51);
    EXPECT_EQ(x, 51);
    EXPECT_EQ(y, 51);
}

TEST(StepTowards, TargetIsHeldInsideTheCanvas)
{
    std::int16_t x = 99;
    std::int16_t y = 50;
    StepTowards(100, 80, x, y, 130, 50);
    EXPECT_EQ(x, 100);
    StepTowards(100, 80, x, y, 130, 50);
    EXPECT_EQ(x, 100);
    std::int16_t top = 1;
    std::int16_t left = 1;
    StepTowards(100, 80, left, top, -40, -40);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
}

TEST(RestingPlace, BottomLeftInsetByFivePixels)
{
    const Surface tube(30, 34);
    const Surface object(16, 16);
    const CanvasPoint rest = restingPlace(100, 200, tube, object);
    EXPECT_EQ(rest.x, 105);
    EXPECT_EQ(rest.y, 200 + 34 - 5 - 16);
}

TEST(HasArrived, ThreePixelsOnEachAxis)
{
    const CanvasPoint target{100, 100};
    EXPECT_TRUE(hasArrived(103, 97, target));
    EXPECT_FALSE(hasArrived(104, 100, target));
    EXPECT_FALSE(hasArrived(100, 96, target));
}
