#include <gtest/gtest.h>

#include "slide_back.h"
#include "surface.h"

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
