#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "raster_op.h"
#include "surface.h"

namespace {

constexpr RasterOp kAllOps[] = {RasterOp::SrcCopy, RasterOp::MergePaint, RasterOp::SrcAnd, RasterOp::SrcInvert};

const std::vector<Rgb> kEdgeColours = {0x000000, 0xFFFFFF, 0xC00000, 0x123456, 0xFF00FF,
                                       0xAAAAAA, 0x555555, 0x00FF00, 0x0000FF, 0x7F8081};

// The raster operation's code holds its truth table in bits 16-23: the result bit for pattern p, source s and
// destination d is bit (p << 2 | s << 1 | d) of that byte. None of ours depends on the pattern.
Rgb byTruthTable(RasterOp op, Rgb src, Rgb dest)
{
    const unsigned table = (static_cast<std::uint32_t>(op) >> 16) & 0xFF;
    Rgb result = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const unsigned index = ((src >> bit) & 1) << 1 | ((dest >> bit) & 1);
        result |= static_cast<Rgb>((table >> index) & 1) << bit;
    }
    return result;
}

Surface patterned(int w, int h)
{
    Surface surface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            surface.setPixel(x, y, rgb(10 + x, 100 + y, 200));
    return surface;
}

// What a block copy must leave behind, pixel by pixel: a destination pixel changes only when both it and its
// source pixel lie inside their surfaces. The source is read from a snapshot, as a copy onto itself requires.
Surface referenceCopy(const Surface& dest, int destX, int destY, int w, int h, const Surface& src, int srcX, int srcY)
{
    Surface expected = dest;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const std::optional<Rgb> source = src.pixel(srcX + i, srcY + j);
            if (source && dest.pixel(destX + i, destY + j))
                expected.setPixel(destX + i, destY + j, *source);
        }
    }
    return expected;
}

}  // namespace

TEST(RasterOps, CodesAreTheBlockCopyValues)
{
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SrcCopy), 0x00CC0020u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::MergePaint), 0x00BB0226u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SrcAnd), 0x008800C6u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SrcInvert), 0x00660046u);
}

TEST(RasterOps, EveryOperationFollowsItsTruthTableOnEveryColourPair)
{
    for (RasterOp op : kAllOps) {
        for (Rgb src : kEdgeColours) {
            for (Rgb dest : kEdgeColours) {
                Surface target(1, 1, dest);
                BitBlt(target, 0, 0, 1, 1, Surface(1, 1, src), 0, 0, op);
                EXPECT_EQ(*target.pixel(0, 0), byTruthTable(op, src, dest))
                    << std::hex << "op " << static_cast<std::uint32_t>(op) << " src " << src << " dest " << dest;
            }
        }
    }
}

TEST(RasterOps, KnownResults)
{
    const auto apply = [](RasterOp op, Rgb src, Rgb dest) {
        Surface target(1, 1, dest);
        BitBlt(target, 0, 0, 1, 1, Surface(1, 1, src), 0, 0, op);
        return *target.pixel(0, 0);
    };
    EXPECT_EQ(apply(RasterOp::SrcCopy, 0x123456, 0xFFFFFF), 0x123456u);
    EXPECT_EQ(apply(RasterOp::MergePaint, 0x000000, 0x123456), 0xFFFFFFu);
    EXPECT_EQ(apply(RasterOp::MergePaint, 0xFFFFFF, 0x123456), 0x123456u);
    EXPECT_EQ(apply(RasterOp::MergePaint, 0xC00000, 0x123456), 0x3FFFFFu);
    EXPECT_EQ(apply(RasterOp::SrcAnd, 0xFF00FF, 0x123456), 0x120056u);
    EXPECT_EQ(apply(RasterOp::SrcInvert, 0xAAAAAA, 0x555555), 0xFFFFFFu);
    EXPECT_EQ(apply(RasterOp::SrcInvert, 0x123456, 0x123456), 0x000000u);
}

TEST(RasterOps, ResultsNeverSetTheTopByte)
{
    for (RasterOp op : kAllOps) {
        Surface target(2, 1, kBlack);
        BitBlt(target, 0, 0, 2, 1, Surface(2, 1, kBlack), 0, 0, op);
        EXPECT_EQ(*target.pixel(0, 0) & 0xFF000000u, 0u);
        EXPECT_EQ(*target.pixel(1, 0) & 0xFF000000u, 0u);
    }
}

namespace {

struct CopyCase {
    const char* name;
    int destX, destY, w, h, srcX, srcY;
};

void PrintTo(const CopyCase& c, std::ostream* out)
{
    *out << c.name;
}

}  // namespace

class BlockCopyClipping : public testing::TestWithParam<CopyCase> {};

TEST_P(BlockCopyClipping, ChangesExactlyThePixelsInsideBothSurfaces)
{
    const CopyCase& c = GetParam();
    const Surface src = patterned(4, 3);
    const Surface dest(7, 5, 0x010203);
    const Surface expected = referenceCopy(dest, c.destX, c.destY, c.w, c.h, src, c.srcX, c.srcY);

    for (RasterOp op : {RasterOp::SrcCopy, RasterOp::SrcInvert}) {
        Surface actual = dest;
        BitBlt(actual, c.destX, c.destY, c.w, c.h, src, c.srcX, c.srcY, op);
        if (op == RasterOp::SrcCopy) {
            EXPECT_EQ(actual, expected);
        } else {
            // No source pixel equals the destination colour, so the XOR changes every pixel it touches.
            for (int y = 0; y < dest.height(); ++y)
                for (int x = 0; x < dest.width(); ++x)
                    EXPECT_EQ(*actual.pixel(x, y) == *dest.pixel(x, y), *expected.pixel(x, y) == *dest.pixel(x, y))
                        << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, BlockCopyClipping,
    testing::Values(CopyCase{"Inside", 1, 1, 4, 3, 0, 0}, CopyCase{"NegativeDestX", -2, 1, 4, 3, 0, 0},
                    CopyCase{"NegativeDestY", 1, -2, 4, 3, 0, 0}, CopyCase{"PastRight", 5, 0, 4, 3, 0, 0},
                    CopyCase{"PastBottom", 0, 3, 4, 3, 0, 0}, CopyCase{"AllFourEdges", -1, -1, 20, 20, 0, 0},
                    CopyCase{"SourcePartlyLeftAndAbove", 2, 2, 4, 3, -2, -1},
                    CopyCase{"SourcePartlyRightAndBelow", 0, 0, 4, 3, 2, 1},
                    CopyCase{"RectangleLargerThanSource", 0, 0, 7, 5, 0, 0},
                    CopyCase{"FullyRightOfDest", 7, 0, 4, 3, 0, 0}, CopyCase{"FullyBelowDest", 0, 5, 4, 3, 0, 0},
                    CopyCase{"FullyLeftOfDest", -4, 0, 4, 3, 0, 0}, CopyCase{"SourceFullyOutside", 0, 0, 4, 3, 4, 0},
                    CopyCase{"ZeroWidth", 0, 0, 0, 3, 0, 0}, CopyCase{"ZeroHeight", 0, 0, 4, 0, 0, 0},
                    CopyCase{"NegativeWidth", 3, 0, -2, 3, 0, 0}, CopyCase{"NegativeHeight", 0, 3, 4, -2, 0, 0}),
    [](const testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

TEST(RasterOps, ClippedCopyTakesTheMatchingSourcePixels)
{
    const Surface src = patterned(4, 3);
    Surface dest(3, 3, kBlack);
    BitBlt(dest, -1, -1, 4, 3, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(*dest.pixel(0, 0), *src.pixel(1, 1));
    EXPECT_EQ(*dest.pixel(2, 1), *src.pixel(3, 2));
    EXPECT_EQ(*dest.pixel(0, 2), kBlack);
}

TEST(RasterOps, ExtremeArgumentsNeitherCrashNorWrap)
{
    const Surface src = patterned(4, 3);
    const Surface untouched(5, 5, kBlack);
    const int farAway[] = {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX};
    const int sizes[] = {INT_MIN, -1, 0, 1, INT_MAX};
    for (int position : farAway) {
        for (int size : sizes) {
            Surface dest = untouched;
            BitBlt(dest, position, 0, size, 3, src, 0, 0, RasterOp::SrcCopy);
            BitBlt(dest, 0, position, 4, size, src, 0, 0, RasterOp::SrcCopy);
            BitBlt(dest, 0, 0, size, size, src, position, position, RasterOp::SrcCopy);
            EXPECT_EQ(dest, untouched) << position << " " << size;
        }
    }
    Surface dest = untouched;
    BitBlt(dest, -1, 0, INT_MAX, INT_MAX, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(dest, referenceCopy(untouched, -1, 0, 5, 3, src, 0, 0));
    dest = untouched;
    BitBlt(dest, 2, 1, INT_MAX, INT_MAX, src, -1, INT_MIN + 5, RasterOp::SrcCopy);
    EXPECT_EQ(dest, untouched);
}

TEST(RasterOps, CopyOntoItselfReadsTheOriginalPixels)
{
    for (const auto& [dx, dy] : {std::pair{1, 1}, std::pair{-1, -1}, std::pair{2, 0}, std::pair{0, -2}}) {
        Surface surface = patterned(6, 5);
        const Surface expected = referenceCopy(surface, 1 + dx, 1 + dy, 4, 3, surface, 1, 1);
        BitBlt(surface, 1 + dx, 1 + dy, 4, 3, surface, 1, 1, RasterOp::SrcCopy);
        EXPECT_EQ(surface, expected) << dx << "," << dy;
    }

    const Surface original = patterned(3, 1);
    Surface surface = original;
    BitBlt(surface, 1, 0, 2, 1, surface, 0, 0, RasterOp::SrcInvert);
    EXPECT_EQ(*surface.pixel(1, 0), *original.pixel(0, 0) ^ *original.pixel(1, 0));
    EXPECT_EQ(*surface.pixel(2, 0), *original.pixel(1, 0) ^ *original.pixel(2, 0));
}
