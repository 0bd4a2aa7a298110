#include <gtest/gtest.h>

#include <cstdlib>

#include "picture_file.h"
#include "test_files.h"
#include "test_pictures.h"

namespace {

constexpr int kHeight = 3;

std::vector<Rgb> rampPalette(int size)
{
    std::vector<Rgb> palette;
    for (int i = 0; i < size; ++i)
        palette.push_back(rgb(i * 255 / (size - 1), 255 - i * 255 / (size - 1), (i * 37) & 0xFF));
    return palette;
}

// Widens a channel of `bits` bits to eight by repeating its high bits, so that full intensity stays 255.
int widen(std::uint32_t value, int bits)
{
    std::uint32_t wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits)
        wide |= wide >> filled;
    return static_cast<int>(wide & 0xFF);
}

// Distinct 5-bit channel values per pixel, including the extremes 0 and 31.
std::uint32_t channel5(int x, int y, int k)
{
    return static_cast<std::uint32_t>((x * 7 + y * 11 + k * 13) % 32);
}

struct DepthCase {
    const char* name;
    int width;
    BitmapLayout layout;
    RawPixels raw;
    std::function<Rgb(int x, int y)> colour;
};

void PrintTo(const DepthCase& depth, std::ostream* out)
{
    *out << depth.name;
}

DepthCase paletted(const char* name, int bits, int width)
{
    const int size = 1 << bits;
    BitmapLayout layout;
    layout.bitCount = static_cast<std::uint16_t>(bits);
    layout.palette = rampPalette(size);
    const auto index = [size](int x, int y) { return static_cast<std::uint32_t>((x * 5 + y * 3) % size); };
    const std::vector<Rgb> palette = layout.palette;
    return {name, width, layout, index, [=](int x, int y) { return palette[index(x, y)]; }};
}

std::vector<DepthCase> depthCases()
{
    std::vector<DepthCase> cases = {paletted("OneBit", 1, 11), paletted("FourBit", 4, 7), paletted("EightBit", 8, 5)};

    BitmapLayout rgb555;
    rgb555.bitCount = 16;
    cases.push_back({"Rgb555", 5, rgb555,
                     [](int x, int y) { return channel5(x, y, 0) << 10 | channel5(x, y, 1) << 5 | channel5(x, y, 2); },
                     [](int x, int y) {
                         return rgb(widen(channel5(x, y, 0), 5), widen(channel5(x, y, 1), 5),
                                    widen(channel5(x, y, 2), 5));
                     }});

    BitmapLayout rgb565;
    rgb565.bitCount = 16;
    rgb565.compression = kBiBitfields;
    rgb565.bitfieldMasks = {0xF800, 0x07E0, 0x001F};
    const auto green6 = [](int x, int y) { return static_cast<std::uint32_t>((x * 13 + y * 29) % 64); };
    cases.push_back({"Rgb565", 5, rgb565,
                     [=](int x, int y) { return channel5(x, y, 0) << 11 | green6(x, y) << 5 | channel5(x, y, 2); },
                     [=](int x, int y) {
                         return rgb(widen(channel5(x, y, 0), 5), widen(green6(x, y), 6), widen(channel5(x, y, 2), 5));
                     }});

    const auto direct = [](int x, int y) { return rgb(x * 50, 255 - y * 60, (x * y * 41) & 0xFF); };
    BitmapLayout rgb24;
    rgb24.bitCount = 24;
    cases.push_back({"Rgb24", 5, rgb24, direct, direct});
    BitmapLayout rgb32;
    rgb32.bitCount = 32;
    cases.push_back({"Rgb32", 5, rgb32, direct, direct});
    return cases;
}

void expectPicture(const Result<Surface>& loaded, int width, int height, const std::function<Rgb(int, int)>& colour)
{
    ASSERT_TRUE(loaded) << loaded.error();
    const Surface& surface = loaded.value();
    ASSERT_EQ(surface.width(), width);
    ASSERT_EQ(surface.height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(surface.pixel(x, y), colour(x, y)) << "at " << x << "," << y;
}

}  // namespace

class BitmapDepths : public testing::TestWithParam<std::tuple<DepthCase, bool>> {};

TEST_P(BitmapDepths, LoadWithExactColoursInEitherRowOrder)
{
    const auto& [depth, topDown] = GetParam();
    BitmapLayout layout = depth.layout;
    layout.width = depth.width;
    layout.height = topDown ? -kHeight : kHeight;
    ScratchFolder folder;
    writeBytes(folder.file("picture.bmp"), bitmapOf(layout, depth.raw));
    expectPicture(loadPicture(folder.file("picture.bmp")), depth.width, kHeight, depth.colour);
}

INSTANTIATE_TEST_SUITE_P(Layouts, BitmapDepths, testing::Combine(testing::ValuesIn(depthCases()), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<DepthCase, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "TopDown" : "BottomUp");
                         });

TEST(BitmapFiles, SixteenBitExtremesAreBlackAndWhite)
{
    BitmapLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.bitCount = 16;
    ScratchFolder folder;
    writeBytes(folder.file("mask.bmp"), bitmapOf(layout, [](int x, int) { return x == 0 ? 0x0000u : 0x7FFFu; }));
    expectPicture(loadPicture(folder.file("mask.bmp")), 2, 1, [](int x, int) { return x == 0 ? kBlack : kWhite; });
}

TEST(BitmapFiles, Os2CoreHeaderWithThreeBytePalette)
{
    BitmapLayout layout;
    layout.coreHeader = true;
    layout.width = 6;
    layout.height = kHeight;
    layout.bitCount = 8;
    layout.palette = rampPalette(256);
    const auto index = [](int x, int y) { return static_cast<std::uint32_t>(x * 40 + y); };
    ScratchFolder folder;
    writeBytes(folder.file("os2.bmp"), bitmapOf(layout, index));
    expectPicture(loadPicture(folder.file("os2.bmp")), 6, kHeight,
                  [&](int x, int y) { return layout.palette[index(x, y)]; });
}

TEST(BitmapFiles, Os2CoreHeaderTrueColour)
{
    BitmapLayout layout;
    layout.coreHeader = true;
    layout.width = 3;
    layout.height = 2;
    const auto colour = [](int x, int y) { return rgb(x * 100, y * 200, 77); };
    ScratchFolder folder;
    writeBytes(folder.file("os2.bmp"), bitmapOf(layout, colour));
    expectPicture(loadPicture(folder.file("os2.bmp")), 3, 2, colour);
}

TEST(BitmapFiles, RunLengthEncodedEightBit)
{
    BitmapLayout layout;
    layout.width = 8;
    layout.height = 2;
    layout.bitCount = 8;
    layout.compression = kBiRle8;
    layout.palette = rampPalette(256);
    // Bottom row: a run of five 9s, then three literal indices. Top row: eight 200s. Then end of bitmap.
    const std::string data(
        "\x05\x09\x00\x03\x01\x02\x03\x00\x00\x00"
        "\x08\xC8\x00\x00"
        "\x00\x01",
        16);
    ScratchFolder folder;
    writeBytes(folder.file("rle.bmp"), bitmapFile(layout, data));
    const std::vector<Rgb> palette = layout.palette;
    expectPicture(loadPicture(folder.file("rle.bmp")), 8, 2, [&](int x, int y) {
        if (y == 0)
            return palette[200];
        return palette[x < 5 ? 9 : x - 4];
    });
}

TEST(BitmapFiles, RunLengthEncodedFourBit)
{
    BitmapLayout layout;
    layout.width = 6;
    layout.height = 1;
    layout.bitCount = 4;
    layout.compression = kBiRle4;
    layout.palette = rampPalette(16);
    // A run of six pixels alternating between indices 1 and 14, then end of bitmap.
    const std::string data("\x06\x1E\x00\x00\x00\x01", 6);
    ScratchFolder folder;
    writeBytes(folder.file("rle4.bmp"), bitmapFile(layout, data));
    const std::vector<Rgb> palette = layout.palette;
    expectPicture(loadPicture(folder.file("rle4.bmp")), 6, 1, [&](int x, int) { return palette[x % 2 == 0 ? 1 : 14]; });
}

TEST(BitmapFiles, SavedAsTwentyFourBitAndReloadedBitExact)
{
    Surface surface(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            surface.setPixel(x, y, rgb(x * 36, y * 120 + 1, (x ^ y) * 30));
    ScratchFolder folder;
    const std::string path = folder.file("saved.bmp");
    ASSERT_FALSE(savePictureBmp(surface, path));

    const std::string bytes = readBytes(path);
    ASSERT_GE(bytes.size(), 30u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[28]) | static_cast<std::uint8_t>(bytes[29]) << 8, 24);
    const Result<Surface> reloaded = loadPicture(path);
    ASSERT_TRUE(reloaded) << reloaded.error();
    EXPECT_EQ(reloaded.value(), surface);
}

TEST(BitmapFiles, PalettedSourceIsSavedAsTwentyFourBit)
{
    BitmapLayout layout;
    layout.width = 9;
    layout.height = 2;
    layout.bitCount = 1;
    layout.palette = {kBlack, kWhite};
    ScratchFolder folder;
    writeBytes(folder.file("mask.bmp"), bitmapOf(layout, [](int x, int y) { return (x + y) % 2u; }));
    const Result<Surface> source = loadPicture(folder.file("mask.bmp"));
    ASSERT_TRUE(source) << source.error();

    const std::string path = folder.file("copy.bmp");
    ASSERT_FALSE(savePictureBmp(source.value(), path));
    const std::string bytes = readBytes(path);
    ASSERT_GE(bytes.size(), 30u);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[28]), 24);
    const Result<Surface> reloaded = loadPicture(path);
    ASSERT_TRUE(reloaded) << reloaded.error();
    EXPECT_EQ(reloaded.value(), source.value());
}

TEST(BitmapFiles, SaveReplacesAnExistingFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("bg.bmp");
    ASSERT_FALSE(savePictureBmp(Surface(40, 40, 0x112233), path));
    ASSERT_FALSE(savePictureBmp(Surface(2, 1, 0x445566), path));
    const Result<Surface> reloaded = loadPicture(path);
    ASSERT_TRUE(reloaded) << reloaded.error();
    EXPECT_EQ(reloaded.value(), Surface(2, 1, 0x445566));
}
