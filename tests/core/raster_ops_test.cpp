#include <gtest/gtest.h>

#include <climits>

#include "raster_op.h"
#include "surface.h"

namespace {

struct Operation {
    RasterOp op;
    Rgb (*formula)(Rgb src, Rgb dest);
};

const Operation kOperations[] = {
    {RasterOp::SrcCopy, [](Rgb s, Rgb) { return s; }},
    {RasterOp::MergePaint, [](Rgb s, Rgb d) { return (~s | d) & kWhite; }},
    {RasterOp::SrcAnd, [](Rgb s, Rgb d) { return s & d; }},
    {RasterOp::SrcInvert, [](Rgb s, Rgb d) { return s ^ d; }},
};

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
Surface referenceBlt(const Surface& dest, int destX, int destY, int w, int h, const Surface& src, int srcX, int srcY,
                     const Operation& operation)
{
    Surface expected = dest;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const std::optional<Rgb> source = src.pixel(srcX + i, srcY + j);
            const std::optional<Rgb> target = dest.pixel(destX + i, destY + j);
            if (source && target)
                expected.setPixel(destX + i, destY + j, operation.formula(*source, *target));
        }
    }
    return expected;
}

}  // namespace

TEST(RasterOps, ClippedToBothSurfacesAtEveryEdge)
{
    // destX, destY, w, h, srcX, srcY: inside; past the left, top, right, bottom and all four edges; the source
    // partly left and above, right and below; larger than the source; fully right, below, left, above; the source
    // fully outside; zero and negative sizes.
    const int rectangles[][6] = {{1, 1, 4, 3, 0, 0},  {-2, 1, 4, 3, 0, 0},    {1, -2, 4, 3, 0, 0},  {5, 0, 4, 3, 0, 0},
                                 {0, 3, 4, 3, 0, 0},  {-1, -1, 20, 20, 0, 0}, {2, 2, 4, 3, -2, -1}, {0, 0, 4, 3, 2, 1},
                                 {0, 0, 7, 5, 0, 0},  {7, 0, 4, 3, 0, 0},     {0, 5, 4, 3, 0, 0},   {-4, 0, 4, 3, 0, 0},
                                 {0, -3, 4, 3, 0, 0}, {0, 0, 4, 3, 4, 0},     {0, 0, 0, 3, 0, 0},   {0, 0, 4, 0, 0, 0},
                                 {3, 0, -2, 3, 0, 0}, {0, 3, 4, -2, 0, 0}};
    const Surface src = patterned(4, 3);
    const Surface dest(7, 5, 0x010203);
    for (const auto& [destX, destY, w, h, srcX, srcY] : rectangles) {
        for (const Operation& operation : kOperations) {
            Surface actual = dest;
            BitBlt(actual, destX, destY, w, h, src, srcX, srcY, operation.op);
            EXPECT_EQ(actual, referenceBlt(dest, destX, destY, w, h, src, srcX, srcY, operation))
                << destX << "," << destY << " " << w << "x" << h << " from " << srcX << "," << srcY << ", op "
                << std::hex << static_cast<std::uint32_t>(operation.op);
        }
    }
}

TEST(RasterOps, ExtremeArgumentsNeitherCrashNorWrap)
{
    const Surface src = patterned(4, 3);
    const Surface untouched(5, 5, kBlack);
    for (int position : {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX}) {
        for (int size : {INT_MIN, -1, 0, 1, INT_MAX}) {
            Surface dest = untouched;
            BitBlt(dest, position, 0, size, 3, src, 0, 0, RasterOp::SrcCopy);
            BitBlt(dest, 0, position, 4, size, src, 0, 0, RasterOp::SrcCopy);
            BitBlt(dest, 0, 0, size, size, src, position, position, RasterOp::SrcCopy);
            EXPECT_EQ(dest, untouched) << position << " " << size;
        }
    }
    Surface dest = untouched;
    BitBlt(dest, -1, 0, INT_MAX, INT_MAX, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(dest, referenceBlt(untouched, -1, 0, 5, 3, src, 0, 0, kOperations[0]));
    dest = untouched;
    BitBlt(dest, 2, 1, INT_MAX, INT_MAX, src, -1, INT_MIN + 5, RasterOp::SrcCopy);
    EXPECT_EQ(dest, untouched);
}

TEST(RasterOps, CopyOntoItselfReadsTheOriginalPixels)
{
    for (const Operation& operation : kOperations) {
        for (const auto& [dx, dy] : {std::pair{1, 1}, std::pair{-1, -1}, std::pair{2, 0}, std::pair{0, -2}}) {
            Surface surface = patterned(6, 5);
            const Surface expected = referenceBlt(surface, 1 + dx, 1 + dy, 4, 3, surface, 1, 1, operation);
            BitBlt(surface, 1 + dx, 1 + dy, 4, 3, surface, 1, 1, operation.op);
            EXPECT_EQ(surface, expected) << dx << "," << dy;
        }
    }
}
