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

TEST(DrawMasked, ShapeTakesThePictureColoursClippedAtEveryEdgeAndTheRestStays)
{
    const Sprite sprite;
    for (const auto& [x, y] : {std::pair{1, 1}, std::pair{-1, -1}, std::pair{3, 3}, std::pair{-1, 3}, std::pair{3, -1},
                               std::pair{-3, 0}, std::pair{5, 0}, std::pair{0, -32768}, std::pair{32767, 32767}}) {
        Surface dest(5, 5, kGround);
        Surface expected = dest;
        for (int j = 0; j < 3; ++j)
            expected.setPixel(x + 1, y + j, *sprite.picture.pixel(1, j));
        DrawMasked(dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), sprite.picture, sprite.mask);
        EXPECT_EQ(dest, expected) << x << "," << y;
    }
}

TEST(DrawMasked, PictureAndMaskThatBreakTheConventionCombineBitwise)
{
    // A picture not white around its shape tints the background there.
    Sprite sprite;
    sprite.picture.setPixel(0, 0, 0x80FF80);
    Surface tinted(3, 3, kGround);
    DrawMasked(tinted, 0, 0, sprite.picture, sprite.mask);
    EXPECT_EQ(tinted.pixel(0, 0), 0x006680u);
    EXPECT_EQ(tinted.pixel(2, 2), kGround);

    // Both copies take the picture's size: where the mask is smaller the picture only tints, and a larger mask
    // whitens nothing beyond the picture.
    Surface smallMask(2, 1, kGround);
    DrawMasked(smallMask, 0, 0, Surface(2, 1, kRed), Surface(1, 1, kBlack));
    EXPECT_EQ(smallMask.pixel(0, 0), kRed);
    EXPECT_EQ(smallMask.pixel(1, 0), kGround & kRed);
    Surface largeMask(2, 1, kGround);
    DrawMasked(largeMask, 0, 0, Surface(1, 1, kRed), Surface(2, 1, kBlack));
    EXPECT_EQ(largeMask.pixel(1, 0), kGround);
}
