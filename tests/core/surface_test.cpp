#include <gtest/gtest.h>

#include "surface.h"

TEST(Surface, PixelsOutsideAreAbsentAndCannotBeSetAndNegativeSizesAreEmpty)
{
    Surface surface(3, 2, kBlack);
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{3, 0}, std::pair{0, 2}, std::pair{3, 2},
                               std::pair{-100000, 100000}}) {
        EXPECT_FALSE(surface.pixel(x, y)) << x << "," << y;
        surface.setPixel(x, y, kWhite);
    }
    EXPECT_EQ(surface, Surface(3, 2, kBlack));
    surface.setPixel(2, 1, kWhite);
    EXPECT_NE(surface, Surface(3, 2, kBlack));
    EXPECT_NE(Surface(2, 3), Surface(3, 2));
    EXPECT_TRUE(Surface(-3, 4).isEmpty());
    EXPECT_EQ(Surface(-3, 4).width(), 0);
    EXPECT_TRUE(Surface(4, 0).isEmpty());
}

TEST(Surface, ClearAndResizeFillWithTheCurrentBackground)
{
    Surface surface(3, 2, kWhite);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            surface.setPixel(x, y, rgb(x, y, 7));
    surface.setBackgroundColor(0x0000FF);

    surface.resize(5, 4);
    ASSERT_EQ(surface.width(), 5);
    ASSERT_EQ(surface.height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(surface.pixel(x, y), x < 3 && y < 2 ? rgb(x, y, 7) : 0x0000FF) << x << "," << y;

    surface.resize(2, 1);
    EXPECT_EQ(surface.width(), 2);
    EXPECT_EQ(surface.pixel(1, 0), rgb(1, 0, 7));
    surface.clear();
    EXPECT_EQ(surface, Surface(2, 1, 0x0000FF));
    surface.resize(-1, 5);
    EXPECT_TRUE(surface.isEmpty());
}
