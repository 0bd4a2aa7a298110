#include <gtest/gtest.h>

#include <utility>

#include "default_tube.h"

TEST(DefaultTube, IsACyanUFiveThickOpenAtTheTopFourteenWiderAndTwiceAsHighPlusTwo)
{
    EXPECT_EQ(std::pair(makeDefaultTube(-3, -1).mask.width(), makeDefaultTube(-3, -1).mask.height()), std::pair(14, 2));
    const DefaultTube tube = makeDefaultTube(31, 17);
    const int w = 45;
    const int h = 36;
    ASSERT_EQ(std::pair(tube.picture.width(), tube.picture.height()), std::pair(w, h));
    ASSERT_EQ(std::pair(tube.mask.width(), tube.mask.height()), std::pair(w, h));
    // The walls run from the top row to the floor; the floor is the last five rows, wall to wall.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool solid = x < 5 || x >= w - 5 || y >= h - 5;
            EXPECT_EQ(tube.picture.pixel(x, y), solid ? rgb(0, 255, 255) : kWhite) << x << "," << y;
            EXPECT_EQ(tube.mask.pixel(x, y), solid ? kBlack : kWhite) << x << "," << y;
        }
    }
}
