#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "hit_tests.h"
#include "mask_bits.h"
#include "surface.h"

// The wall test done the long way, with the raster operations on real scratch surfaces, as the drawing
// model defines it. The fast test must agree with it in every case.
static bool overlapByRasterOps(int x1, int y1, int x2, int y2, const Surface& a, const Surface& b, Surface& w)
{
    Surface m(kInvertedMaskWidth, kInvertedMaskHeight, kWhite);
    w.setBackgroundColor(OverlapSurface::kBackground);
    w.clear();
    blit(w, 0, 0, b.width(), b.height(), b, x1 - x2, y1 - y2, RasterOp::MergePaint);
    blit(w, 0, 0, b.width(), b.height(), b, x1 - x2, y1 - y2, RasterOp::SrcInvert);
    blit(m, 0, 0, a.width(), a.height(), a, 0, 0, RasterOp::SrcInvert);
    blit(w, 0, 0, a.width(), a.height(), m, 0, 0, RasterOp::MergePaint);
    blit(w, 0, 0, a.width(), a.height(), m, 0, 0, RasterOp::SrcAnd);
    w.resize(a.width(), a.height());
    return std::count(w.row(0), w.row(w.height()), kWhite) != 0;
}

// The wall test on mask pictures, reduced to bits as a theme load does; true when both ways find an overlap.
static bool wallTest(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, const Surface& object,
                     const Surface& tube, OverlapSurface& fast, Surface& slow)
{
    const bool bits = masksOverlap(x1, y1, x2, y2, MaskBits::ofObjectMask(object),
                                   MaskBits::ofTubeMask(tube, OverlapSurface::kBackground), fast);
    EXPECT_EQ(bits, overlapByRasterOps(x1, y1, x2, y2, object, tube, slow));
    EXPECT_EQ(std::pair(fast.width, fast.height), std::pair(slow.width(), slow.height()));
    return bits;
}

TEST(HitTests, WallTestAgreesWithTheRasterSequenceAndBoxTestCountsHalfPixelCentresWithTheEdgeOutside)
{
    OverlapSurface fast{300, 10};
    Surface slow(300, 10);
    // Past 281 columns the object mask is not inverted, so a tube pixel there counts even under white.
    for (int column : {290, 280}) {
        Surface tube(300, 10, kWhite);
        tube.setPixel(column, 5, kBlack);
        EXPECT_EQ(wallTest(0, 0, 0, 0, Surface(300, 10, kWhite), tube, fast, slow), column > 281) << column;
    }
    // Mostly black and white, with greys and colours whose red decides how the tube side reads them; sizes
    // and offsets that cross the 64-pixel words of the bit rows.
    const Rgb palette[] = {kBlack, kWhite, kWhite, kBlack, 0x303030, 0x3FFFFF, 0x400000, 0x0000FF, 0xFEFEFE};
    std::mt19937 random(20261206);
    const auto randomMask = [&] {
        Surface mask(std::uniform_int_distribution(1, 150)(random), std::uniform_int_distribution(1, 150)(random));
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                mask.setPixel(x, y, palette[std::uniform_int_distribution(0, 8)(random)]);
        return mask;
    };
    std::uniform_int_distribution<int> offset(-160, 160);
    for (int trial = 0; trial < 600 && !::testing::Test::HasFailure(); ++trial)
        wallTest(100, 100, 100 + offset(random), 100 + offset(random), randomMask(), randomMask(), fast, slow);

    // An object at (100, 0) of 31 or 30 x 10 has its centre at (115.5, 5) or (115, 5); the box is 50 x 50.
    const std::tuple<int, int, int, bool> objectWidthBoxXYInside[] = {
        {31, 115, -20, true}, {31, 116, -20, false}, {30, 115, -20, false}, {30, 65, -20, false},
        {30, 66, -20, true},  {30, 66, 5, false},    {30, 66, -45, false}};
    for (const auto& [width, boxX, boxY, inside] : objectWidthBoxXYInside)
        EXPECT_EQ(centreInBox(100, 0, boxX, boxY, Surface(width, 10), Surface(50, 50)), inside) << width << " " << boxX;
}
