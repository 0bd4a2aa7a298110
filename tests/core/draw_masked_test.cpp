#include <gtest/gtest.h>

#include "draw_masked.h"
#include "surface.h"

namespace {

constexpr Rgb kGround = 0x336699;
constexpr Rgb kRed = 0xFF0000;

// A 3 x 3 picture whose shape is the middle column; white around it, as the mask convention expects.
struct Sprite {
    Surface picture{3, 3, kWhite};
    Surface mask{3, 3, kWhite};

    Sprite()
    {
        for (int y = 0; y < 3; ++y) {
            picture.setPixel(1, y, rgb(0x10 * (y + 1), 0x20, 0x30));
            mask.setPixel(1, y, kBlack);
        }
    }
};

}  // namespace

TEST(DrawMasked, ShapeTakesThePictureColoursAndTheRestStays)
{
    const Sprite sprite;
    Surface dest(6, 5, kGround);
    DrawMasked(dest, 2, 1, sprite.picture, sprite.mask);

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inShape = x == 3 && y >= 1 && y <= 3;
            const Rgb expected = inShape ? rgb(0x10 * y, 0x20, 0x30) : kGround;
            EXPECT_EQ(dest.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(DrawMasked, PositionArgumentsAreNotChanged)
{
    const Sprite sprite;
    Surface dest(4, 4, kGround);
    const std::int16_t x = -1;
    const std::int16_t y = 2;
    DrawMasked(dest, x, y, sprite.picture, sprite.mask);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, 2);
}

TEST(DrawMasked, PictureNotWhiteAroundItsShapeTintsTheBackground)
{
    Sprite sprite;
    sprite.picture.setPixel(0, 0, 0x80FF80);
    Surface dest(3, 3, kGround);
    DrawMasked(dest, 0, 0, sprite.picture, sprite.mask);
    EXPECT_EQ(dest.pixel(0, 0), 0x006680u);
    EXPECT_EQ(dest.pixel(2, 2), kGround);
}

TEST(DrawMasked, MaskThatIsNotPureBlackLetsTheBackgroundShowThrough)
{
    Surface picture(2, 1, kWhite);
    Surface mask(2, 1, 0x404040);
    Surface dest(2, 1, kBlack);
    dest.setPixel(1, 0, 0x404040);
    DrawMasked(dest, 0, 0, picture, mask);
    // NOT 0x404040 clears bit 6 of each channel, so that bit comes from the background.
    EXPECT_EQ(dest.pixel(0, 0), 0xBFBFBFu);
    EXPECT_EQ(dest.pixel(1, 0), kWhite);
}

TEST(DrawMasked, WhiteMaskAndWhitePictureLeaveTheDestinationAlone)
{
    Surface dest(3, 3, kGround);
    dest.setPixel(1, 1, 0x010203);
    const Surface before = dest;
    DrawMasked(dest, 0, 0, Surface(3, 3, kWhite), Surface(3, 3, kWhite));
    EXPECT_EQ(dest, before);
}

TEST(DrawMasked, ClippedAtEveryEdge)
{
    const Sprite sprite;
    for (const auto& [x, y] : {std::pair{-1, -1}, std::pair{3, 3}, std::pair{-1, 3}, std::pair{3, -1}}) {
        Surface dest(5, 5, kGround);
        Surface expected = dest;
        for (int j = 0; j < 3; ++j)
            expected.setPixel(x + 1, y + j, *sprite.picture.pixel(1, j));
        DrawMasked(dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), sprite.picture, sprite.mask);
        EXPECT_EQ(dest, expected) << x << "," << y;
    }
}

TEST(DrawMasked, EntirelyOutsideDrawsNothing)
{
    const Sprite sprite;
    for (const auto& [x, y] : {std::pair{-3, 0}, std::pair{5, 0}, std::pair{0, -32768}, std::pair{32767, 32767}}) {
        Surface dest(5, 5, kGround);
        const Surface before = dest;
        DrawMasked(dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), sprite.picture, sprite.mask);
        EXPECT_EQ(dest, before) << x << "," << y;
    }
}

TEST(DrawMasked, MaskSmallerThanPictureLeavesTheUncoveredPartTintedOnly)
{
    Surface picture(2, 1, kRed);
    Surface mask(1, 1, kBlack);
    Surface dest(2, 1, kGround);
    DrawMasked(dest, 0, 0, picture, mask);
    EXPECT_EQ(dest.pixel(0, 0), kRed);
    EXPECT_EQ(dest.pixel(1, 0), kGround & kRed);
}
