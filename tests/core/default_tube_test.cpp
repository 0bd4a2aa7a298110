#include <gtest/gtest.h>

#include "default_tube.h"

namespace {

bool solid(const Surface& mask, int x, int y)
{
    return mask.pixel(x, y) == kBlack;
}

// A solid w x h block at (x, y) against the tube mask at the origin.
bool blockTouches(const Surface& tubeMask, int x, int y, int w, int h)
{
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if (solid(tubeMask, x + dx, y + dy))
                return true;
    return false;
}

}  // namespace

TEST(DefaultTube, IsFourteenWiderAndTwiceAsHighPlusTwo)
{
    const DefaultTube tube = makeDefaultTube(30, 20);
    EXPECT_EQ(tube.picture.width(), 44);
    EXPECT_EQ(tube.picture.height(), 42);
    EXPECT_EQ(tube.mask.width(), 44);
    EXPECT_EQ(tube.mask.height(), 42);

    const DefaultTube empty = makeDefaultTube(-3, -1);
    EXPECT_EQ(empty.picture.width(), 14);
    EXPECT_EQ(empty.picture.height(), 2);
}

TEST(DefaultTube, IsACyanUFiveThickOpenAtTheTopWithAMatchingMask)
{
    const DefaultTube tube = makeDefaultTube(31, 17);
    const int w = tube.picture.width();
    const int h = tube.picture.height();
    const Rgb cyan = rgb(0, 255, 255);

    // The top row and a middle row: five wall pixels each side, open in between.
    for (int y : {0, h / 2}) {
        for (int x = 0; x < w; ++x) {
            const bool wall = x < 5 || x >= w - 5;
            EXPECT_EQ(tube.picture.pixel(x, y), wall ? cyan : kWhite) << x << "," << y;
            EXPECT_EQ(tube.mask.pixel(x, y), wall ? kBlack : kWhite) << x << "," << y;
        }
    }
    // The floor: the last five rows closed from wall to wall, the row above them open.
    for (int x = 0; x < w; ++x) {
        for (int y = h - 5; y < h; ++y)
            EXPECT_TRUE(solid(tube.mask, x, y)) << x << "," << y;
    }
    EXPECT_EQ(tube.mask.pixel(w / 2, h - 6), kWhite);
    EXPECT_EQ(tube.picture.pixel(w / 2, h - 6), kWhite);
}

TEST(DefaultTube, ItsObjectRestsOnTheFloorAgainstTheLeftWallWithoutTouching)
{
    const int w = 26;
    const int h = 33;
    const DefaultTube tube = makeDefaultTube(w, h);
    const int restX = 5;
    const int restY = tube.mask.height() - 5 - h;

    EXPECT_FALSE(blockTouches(tube.mask, restX, restY, w, h));
    EXPECT_TRUE(blockTouches(tube.mask, restX - 1, restY, w, h));
    EXPECT_TRUE(blockTouches(tube.mask, restX, restY + 1, w, h));
    // Room to spare on the right: four pixels before the right wall.
    EXPECT_FALSE(blockTouches(tube.mask, restX + 4, restY, w, h));
    EXPECT_TRUE(blockTouches(tube.mask, restX + 5, restY, w, h));
}
