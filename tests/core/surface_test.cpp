#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>

#include "raster_op.h"
#include "surface.h"

TEST(Surface, PixelsOutsideAreAbsentNegativeSizesAreEmptyAndClearAndResizeFillWithTheBackground)
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
    EXPECT_EQ(std::tuple(Surface(-3, 4).width(), Surface(-3, 4).isEmpty(), Surface(4, 0).isEmpty()),
              std::tuple(0, true, true));

    // Clear and resize fill with the current background.
    surface = Surface(3, 2, kWhite);
    for (int i = 0; i < 6; ++i)
        surface.setPixel(i % 3, i / 3, rgb(i, 0, 7));
    const Surface original = surface;
    surface.setBackgroundColor(0x0000FF);
    surface.resize(5, 4);
    Surface expected(5, 4, 0x0000FF);
    blit(expected, 0, 0, 3, 2, original, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(surface, expected);
    surface.resize(2, 1);
    EXPECT_EQ(std::tuple(surface.width(), surface.pixel(1, 0)), std::tuple(2, rgb(1, 0, 7)));
    surface.clear();
    EXPECT_EQ(surface, Surface(2, 1, 0x0000FF));
    surface.resize(-1, 5);
    EXPECT_TRUE(surface.isEmpty());
}

// A copy holds the same pixels in memory until one of the two is written to, whichever way; the other then stays
// as it was.
TEST(Surface, CopiesShareTheirPixelsUntilEitherIsWrittenAndTheOtherKeepsItsOwn)
{
    Surface original(4, 3, kWhite);
    original.setPixel(1, 1, rgb(9, 8, 7));
    const Surface pristine = original;
    const std::pair<const char*, std::function<void(Surface&)>> writes[] = {
        {"setPixel", [](Surface& s) { s.setPixel(0, 0, kBlack); }},
        {"clear",
         [](Surface& s) {
             s.setBackgroundColor(kBlack);
             s.clear();
         }},
        {"resize", [](Surface& s) { s.resize(5, 3); }},
        {"row", [](Surface& s) { s.row(2)[3] = kBlack; }},
        {"blit onto it", [](Surface& s) { blit(s, 0, 0, 2, 2, Surface(2, 2, kBlack), 0, 0, RasterOp::SrcCopy); }},
        {"blit onto itself", [](Surface& s) { blit(s, 1, 0, 3, 3, s, 0, 0, RasterOp::SrcCopy); }},
    };
    for (const auto& [what, write] : writes) {
        for (const bool writeTheCopy : {true, false}) {
            SCOPED_TRACE(std::string(what) + (writeTheCopy ? " on the copy" : " on the original"));
            Surface a = pristine;
            Surface b = a;
            EXPECT_TRUE(a.sharesPixelsWith(b) && a == b);
            write(writeTheCopy ? b : a);
            const Surface& untouched = writeTheCopy ? a : b;
            EXPECT_FALSE(a.sharesPixelsWith(b));
            EXPECT_EQ(untouched, original);
            EXPECT_NE(writeTheCopy ? b : a, original);
        }
    }
    // Reading, through a const view, never takes a copy.
    const Surface reader = pristine;
    EXPECT_EQ(reader.row(1)[1], rgb(9, 8, 7));
    EXPECT_TRUE(reader.sharesPixelsWith(pristine));
}

const std::pair<RasterOp, Rgb (*)(Rgb src, Rgb dest)> kOperations[] = {
    {RasterOp::SrcCopy, [](Rgb s, Rgb) { return s; }},
    {RasterOp::MergePaint, [](Rgb s, Rgb d) { return (~s | d) & kWhite; }},
    {RasterOp::SrcAnd, [](Rgb s, Rgb d) { return s & d; }},
    {RasterOp::SrcInvert, [](Rgb s, Rgb d) { return s ^ d; }}};

// destX, destY, w, h, srcX, srcY
using Rectangle = std::array<int, 6>;

TEST(RasterOps, ClippedToBothSurfacesWhateverTheArgumentsAndReadingTheOriginalWhenCopyingOntoItself)
{
    // What a block copy must leave: a destination pixel changes only when it lies in the rectangle and its source
    // pixel inside the source. Worked out per destination pixel in 64 bits, so no argument can overflow it, and
    // reading a snapshot of the source, as a copy onto itself requires.
    const auto referenceBlt = [](const Surface& dest, const Rectangle& r, const Surface& src, auto formula) {
        Surface expected = dest;
        for (int y = 0; y < dest.height(); ++y)
            for (int x = 0; x < dest.width(); ++x) {
                const long long i = 0LL + x - r[0], j = 0LL + y - r[1], sx = r[4] + i, sy = r[5] + j, sw = src.width();
                if (i >= 0 && j >= 0 && i < r[2] && j < r[3] && sx >= 0 && sy >= 0 && sx < sw && sy < src.height())
                    expected.setPixel(x, y, formula(*src.pixel(int(sx), int(sy)), *dest.pixel(x, y)));
            }
        return expected;
    };
    // Inside; past the left, top, right, bottom and all four edges; the source partly left and above, right and
    // below; larger than the source; fully right, below, left, above; the source fully outside; zero and negative
    // sizes; shifts right, down, up and left that overlap themselves on a copy onto itself; the largest sizes.
    const Rectangle fixed[] = {{1, 1, 4, 3, 0, 0},  {-2, 1, 4, 3, 0, 0},    {1, -2, 4, 3, 0, 0},  {5, 0, 4, 3, 0, 0},
                               {0, 3, 4, 3, 0, 0},  {-1, -1, 20, 20, 0, 0}, {2, 2, 4, 3, -2, -1}, {0, 0, 4, 3, 2, 1},
                               {0, 0, 7, 5, 0, 0},  {7, 0, 4, 3, 0, 0},     {0, 5, 4, 3, 0, 0},   {-4, 0, 4, 3, 0, 0},
                               {0, -3, 4, 3, 0, 0}, {0, 0, 4, 3, 4, 0},     {0, 0, 0, 3, 0, 0},   {0, 0, 4, 0, 0, 0},
                               {3, 0, -2, 3, 0, 0}, {0, 3, 4, -2, 0, 0},    {3, 1, 4, 3, 1, 1},   {1, 0, 4, 3, 1, 2}};
    std::vector<Rectangle> rectangles(std::begin(fixed), std::end(fixed));
    rectangles.insert(rectangles.end(), {{-1, 0, INT_MAX, INT_MAX, 0, 0}, {2, 1, INT_MAX, INT_MAX, -1, INT_MIN + 5}});
    for (int position : {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX})
        for (int size : {INT_MIN, -1, 0, 1, INT_MAX})
            rectangles.insert(
                rectangles.end(),
                {{position, 0, size, 3, 0, 0}, {0, position, 4, size, 0, 0}, {0, 0, size, size, position, position}});
    // The source is the top-left corner of the picture, every pixel of a colour of its own.
    Surface src(4, 3), picture(7, 5);
    for (int i = 0; i < 35; ++i) {
        src.setPixel(i % 7, i / 7, rgb(10 + i % 7, 100 + i / 7, 200));
        picture.setPixel(i % 7, i / 7, rgb(10 + i % 7, 100 + i / 7, 200));
    }
    const Surface ground(7, 5, 0x010203);
    for (const Rectangle& r : rectangles)
        for (const auto& [op, formula] : kOperations) {
            SCOPED_TRACE(testing::PrintToString(r) + " op " + std::to_string(static_cast<std::uint32_t>(op)));
            Surface onGround = ground, onItself = picture;
            blit(onGround, r[0], r[1], r[2], r[3], src, r[4], r[5], op);
            blit(onItself, r[0], r[1], r[2], r[3], onItself, r[4], r[5], op);
            EXPECT_EQ(onGround, referenceBlt(ground, r, src, formula));
            EXPECT_EQ(onItself, referenceBlt(picture, r, picture, formula));
        }
}
