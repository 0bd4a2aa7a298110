#include <gtest/gtest.h>

#include <random>

#include "hit_tests.h"
#include "mask_bits.h"
#include "surface.h"

namespace {

// A white w x h mask with one black pixel.
Surface maskWithPixel(int w, int h, int x, int y)
{
    Surface mask(w, h, kWhite);
    mask.setPixel(x, y, kBlack);
    return mask;
}

// The wall test done the long way, with the raster operations on real scratch surfaces, as the drawing
// model defines it. The fast test must agree with it in every case.
bool overlapByRasterOps(int x1, int y1, int x2, int y2, const Surface& a, const Surface& b, Surface& w)
{
    Surface m(kInvertedMaskWidth, kInvertedMaskHeight, kWhite);
    w.setBackgroundColor(OverlapSurface::kBackground);
    w.clear();
    BitBlt(w, 0, 0, b.width(), b.height(), b, x1 - x2, y1 - y2, RasterOp::MergePaint);
    BitBlt(w, 0, 0, b.width(), b.height(), b, x1 - x2, y1 - y2, RasterOp::SrcInvert);
    BitBlt(m, 0, 0, a.width(), a.height(), a, 0, 0, RasterOp::SrcInvert);
    BitBlt(w, 0, 0, a.width(), a.height(), m, 0, 0, RasterOp::MergePaint);
    BitBlt(w, 0, 0, a.width(), a.height(), m, 0, 0, RasterOp::SrcAnd);
    w.resize(a.width(), a.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (w.pixel(x, y) == kWhite)
                return true;
    return false;
}

Surface randomMask(std::mt19937& random, int w, int h)
{
    // Mostly black and white, with some greys and colours whose red decides how the tube side reads them.
    const Rgb palette[] = {kBlack, kWhite, kWhite, kBlack, 0x303030, 0x3FFFFF, 0x400000, 0x0000FF, 0xFEFEFE};
    std::uniform_int_distribution<int> pick(0, 8);
    Surface mask(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask.setPixel(x, y, palette[pick(random)]);
    return mask;
}

// The wall test on mask pictures, reduced to bits as a theme load does.
bool wallTest(int x1, int y1, int x2, int y2, const Surface& object, const Surface& tube, OverlapSurface& overlap)
{
    return MasksOverlap(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1), static_cast<std::int16_t>(x2),
                        static_cast<std::int16_t>(y2), MaskBits::ofObjectMask(object),
                        MaskBits::ofTubeMask(tube, OverlapSurface::kBackground), overlap);
}

}  // namespace

TEST(MasksOverlap, BeyondTheInvertedMaskSurfaceOnlyTheTubeCounts)
{
    // Past 281 columns the object mask is not inverted, so a tube pixel there counts even under white.
    const Surface wide(300, 10, kWhite);
    const Surface tube = maskWithPixel(300, 10, 290, 5);
    OverlapSurface overlap{300, 10};
    Surface slow(300, 10);
    EXPECT_TRUE(wallTest(0, 0, 0, 0, wide, tube, overlap));
    EXPECT_TRUE(overlapByRasterOps(0, 0, 0, 0, wide, tube, slow));
    EXPECT_FALSE(wallTest(0, 0, 0, 0, wide, maskWithPixel(300, 10, 280, 5), overlap));
}

TEST(MasksOverlap, AgreesWithTheRasterSequenceOnRandomMasks)
{
    std::mt19937 random(20261206);
    // Sizes and offsets that cross the 64-pixel words of the bit rows.
    std::uniform_int_distribution<int> size(1, 150);
    std::uniform_int_distribution<int> offset(-160, 160);
    OverlapSurface fast;
    Surface slow(65, 73);
    for (int trial = 0; trial < 600; ++trial) {
        const Surface a = randomMask(random, size(random), size(random));
        const Surface b = randomMask(random, size(random), size(random));
        const int x2 = 100 + offset(random);
        const int y2 = 100 + offset(random);
        const bool expected = overlapByRasterOps(100, 100, x2, y2, a, b, slow);
        ASSERT_EQ(wallTest(100, 100, x2, y2, a, b, fast), expected) << "trial " << trial;
        ASSERT_EQ(fast.width, slow.width());
        ASSERT_EQ(fast.height, slow.height());
    }
}

TEST(CentreInBox, HalfPixelCentresCountAndTheEdgeIsOutside)
{
    const Surface box(50, 50);
    const Surface odd(31, 10);
    const Surface even(30, 10);
    EXPECT_TRUE(CentreInBox(100, 0, 115, -20, odd, box));    // centre 115.5 > 115
    EXPECT_FALSE(CentreInBox(100, 0, 116, -20, odd, box));   // 115.5 < 116
    EXPECT_FALSE(CentreInBox(100, 0, 115, -20, even, box));  // centre 115 on the left edge
    EXPECT_FALSE(CentreInBox(100, 0, 65, -20, even, box));   // and on the right edge
    EXPECT_TRUE(CentreInBox(100, 0, 66, -20, even, box));
}
