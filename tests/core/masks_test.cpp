#include <gtest/gtest.h>

#include <QRect>

#include "default_tube.h"
#include "draw_masked.h"
#include "hit_mask.h"
#include "masked_layers.h"

constexpr Rgb kGround = 0x336699;

TEST(drawMasked, ShapeTakesThePictureColoursClippedAtEveryEdgeAndTheRestStaysOrIsTintedByThePicture)
{
    // The shape is the middle column, white around it as the mask convention expects.
    Surface picture(3, 3, kWhite), mask(3, 3, kWhite);
    blit(mask, 1, 0, 1, 3, Surface(1, 3, kBlack), 0, 0, RasterOp::SrcCopy);
    for (int y = 0; y < 3; ++y)
        picture.setPixel(1, y, rgb(0x10 * (y + 1), 0x20, 0x30));
    const std::pair<int, int> places[] = {{1, 1},  {-1, -1}, {3, 3},      {-1, 3},       {3, -1},
                                          {-3, 0}, {5, 0},   {0, -32768}, {32767, 32767}};
    for (const auto& [x, y] : places) {
        Surface dest(5, 5, kGround), expected = dest;
        blit(expected, x + 1, y, 1, 3, picture, 1, 0, RasterOp::SrcCopy);
        drawMasked(dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), picture, mask);
        EXPECT_EQ(dest, expected) << x << "," << y;
    }
    // A picture not white around its shape tints the background there.
    picture.setPixel(0, 0, 0x80FF80);
    Surface tinted(3, 3, kGround);
    drawMasked(tinted, 0, 0, picture, mask);
    // Both copies take the picture's size: where the mask is smaller the picture only tints, and a larger mask whitens
    // nothing beyond the picture.
    Surface smallMask(2, 1, kGround), largeMask(2, 1, kGround);
    drawMasked(smallMask, 0, 0, Surface(2, 1, 0xFF0000), Surface(1, 1, kBlack));
    drawMasked(largeMask, 0, 0, Surface(1, 1, 0xFF0000), Surface(2, 1, kBlack));
    EXPECT_EQ(std::tuple(tinted.pixel(0, 0), smallMask.pixel(0, 0), smallMask.pixel(1, 0), largeMask.pixel(1, 0)),
              std::tuple(0x006680u, 0xFF0000u, kGround & 0xFF0000, kGround));
}

namespace {

// A surface of made-up colours; masks get black, white and colours between.
Surface scrambled(int width, int height, std::uint32_t seed, bool mask = false)
{
    Surface surface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const Rgb colour = seed >> 8;
            surface.setPixel(x, y, !mask || seed % 3 == 2 ? colour : (seed % 3 == 0 ? kBlack : kWhite));
        }
    return surface;
}

}  // namespace

TEST(composeMaskedLayers, GivesEveryPixelOfTheRectWhatACopyAndMaskedDrawsWouldAndLeavesTheRest)
{
    const Surface dest = scrambled(40, 30, 1);
    const Surface background = scrambled(30, 25, 2);
    // Overlapping layers, a mask smaller and one larger than its picture, layers over every edge.
    const Surface pictures[] = {scrambled(12, 9, 3), scrambled(10, 10, 4), scrambled(8, 6, 5), scrambled(7, 7, 6)};
    const Surface masks[] = {scrambled(12, 9, 7, true), scrambled(6, 7, 8, true), scrambled(11, 9, 9, true),
                             scrambled(7, 7, 10, true)};
    const std::initializer_list<MaskedLayer> layers = {{5, 4, pictures[0], masks[0]},
                                                       {-3, 24, pictures[1], masks[1]},
                                                       {35, -2, pictures[2], masks[2]},
                                                       {9, 6, pictures[3], masks[3]}};
    Surface whole = dest;
    blit(whole, 0, 0, 40, 30, background, 0, 0, RasterOp::SrcCopy);
    for (const MaskedLayer& layer : layers)
        drawMasked(whole, layer.x, layer.y, layer.picture, layer.mask);

    const QRect rects[] = {{0, 0, 40, 30},   {-5, -5, 20, 20}, {10, 5, 7, 1}, {28, 20, 20, 20},
                           {30, -5, 20, 20}, {3, 3, 0, 5},     {50, 0, 5, 5}};
    for (const QRect& rect : rects) {
        Surface composed = dest;
        composeMaskedLayers(composed, rect, background, layers);
        Surface expected = dest;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (rect.contains(x, y))
                    expected.setPixel(x, y, *whole.pixel(x, y));
        EXPECT_EQ(composed, expected) << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
    }
}

TEST(hitsMask, OnlyExactBlackInsideTheMask)
{
    Surface mask(4, 4, kWhite);
    mask.setPixel(1, 1, kBlack);
    mask.setPixel(2, 2, 0x010101);
    // The black pixel; a near-black one, a white one, and points left of, right of and above the corner.
    const std::tuple<int, int, bool> points[] = {{11, 21, true}, {12, 22, false}, {10, 20, false},
                                                 {9, 21, false}, {14, 21, false}, {11, 19, false}};
    for (auto [x, y, hit] : points)
        EXPECT_EQ(hitsMask(x, y, 10, 20, mask), hit) << x << ',' << y;
}

TEST(DefaultTube, IsACyanUFiveThickOpenAtTheTopFourteenWiderAndTwiceAsHighPlusTwo)
{
    EXPECT_EQ(makeDefaultTube(-3, -1).mask, Surface(14, 2, kBlack));
    // The walls run from the top row down to the floor, the last five rows.
    Surface picture(45, 36, rgb(0, 255, 255)), mask(45, 36, kBlack);
    blit(picture, 5, 0, 35, 31, Surface(35, 31, kWhite), 0, 0, RasterOp::SrcCopy);
    blit(mask, 5, 0, 35, 31, Surface(35, 31, kWhite), 0, 0, RasterOp::SrcCopy);
    const DefaultTube tube = makeDefaultTube(31, 17);
    EXPECT_EQ(std::tie(tube.picture, tube.mask), std::tie(picture, mask));
}
