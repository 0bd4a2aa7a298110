#include <gtest/gtest.h>

#include "surface.h"

TEST(Surface, NewSurfaceIsFilledWithItsBackground)
{
    const Surface surface(3, 2, 0x123456);
    EXPECT_EQ(surface.width(), 3);
    EXPECT_EQ(surface.height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(surface.pixel(x, y), 0x123456u);
}

TEST(Surface, NegativeOrZeroSizesGiveAnEmptySurface)
{
    EXPECT_TRUE(Surface().isEmpty());
    EXPECT_TRUE(Surface(-3, 4).isEmpty());
    EXPECT_EQ(Surface(-3, 4).width(), 0);
    EXPECT_TRUE(Surface(4, 0).isEmpty());
    EXPECT_FALSE(Surface(0, 0).pixel(0, 0));
}

TEST(Surface, ColoursKeepTheTopByteClear)
{
    Surface surface(1, 1, 0xFF123456);
    EXPECT_EQ(surface.backgroundColor(), 0x123456u);
    EXPECT_EQ(surface.pixel(0, 0), 0x123456u);
    surface.setPixel(0, 0, 0xAB654321);
    EXPECT_EQ(surface.pixel(0, 0), 0x654321u);
    surface.setBackgroundColor(0xFFFFFFFF);
    EXPECT_EQ(surface.backgroundColor(), kWhite);
}

TEST(Surface, PixelsOutsideAreAbsentAndCannotBeSet)
{
    Surface surface(3, 2, kBlack);
    const Surface before = surface;
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{3, 0}, std::pair{0, 2}, std::pair{3, 2},
                               std::pair{-100000, 100000}}) {
        EXPECT_FALSE(surface.pixel(x, y)) << x << "," << y;
        surface.setPixel(x, y, kWhite);
    }
    EXPECT_EQ(surface, before);
    surface.setPixel(2, 1, kWhite);
    EXPECT_EQ(surface.pixel(2, 1), kWhite);
    EXPECT_EQ(surface.pixel(1, 1), kBlack);
}

TEST(Surface, ClearFillsWithTheCurrentBackground)
{
    Surface surface(2, 2, kWhite);
    surface.setPixel(1, 1, 0x112233);
    surface.setBackgroundColor(0x00FF00);
    surface.clear();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(surface.pixel(x, y), 0x00FF00u);
}

TEST(Surface, ResizeKeepsTheOverlapAndFillsNewAreaWithTheBackground)
{
    Surface surface(3, 2, 0x0000FF);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            surface.setPixel(x, y, rgb(x, y, 7));

    surface.resize(5, 4);
    ASSERT_EQ(surface.width(), 5);
    ASSERT_EQ(surface.height(), 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const Rgb expected = x < 3 && y < 2 ? rgb(x, y, 7) : 0x0000FF;
            EXPECT_EQ(surface.pixel(x, y), expected) << x << "," << y;
        }
    }

    surface.resize(2, 1);
    ASSERT_EQ(surface.width(), 2);
    ASSERT_EQ(surface.height(), 1);
    EXPECT_EQ(surface.pixel(1, 0), rgb(1, 0, 7));

    surface.resize(-1, 5);
    EXPECT_TRUE(surface.isEmpty());
    surface.resize(1, 1);
    EXPECT_EQ(surface.pixel(0, 0), 0x0000FFu);
}

TEST(Surface, EqualityComparesSizeAndPixels)
{
    Surface a(2, 2, kWhite);
    Surface b(2, 2, kWhite);
    EXPECT_EQ(a, b);
    b.setPixel(1, 1, kBlack);
    EXPECT_NE(a, b);
    EXPECT_NE(Surface(2, 3), Surface(3, 2));
}
