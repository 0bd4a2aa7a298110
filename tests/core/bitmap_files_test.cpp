#include <gtest/gtest.h>

#include "picture_file.h"
#include "test_pictures.h"

namespace {

// Distinct colours for a palette of `size` entries.
std::vector<Rgb> rampPalette(int size)
{
    std::vector<Rgb> palette;
    for (int i = 0; i < size; ++i)
        palette.push_back(rgb(i * 255 / (size - 1), 255 - i, i * 37));
    return palette;
}

// A raw value of `bits` bits that differs from pixel to pixel in every channel; the first pixel is all zeros and
// the second all ones, so both ends of every channel's range are seen.
std::uint32_t rawPixel(int x, int y, int bits)
{
    const std::uint32_t full = (1u << bits) - 1;
    if (y == 0 && x < 2)
        return x == 0 ? 0 : full;
    return (static_cast<std::uint32_t>(x * 7 + y * 11) * 0x9E3779B1u >> 7) & full;
}

// Widens a channel of `bits` bits to eight by repeating its high bits, so that full intensity stays 255.
int widen(std::uint32_t value, int bits)
{
    std::uint32_t wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits)
        wide |= wide >> filled;
    return static_cast<int>(wide & 0xFF);
}

void expectPicture(const Result<Surface>& loaded, int width, int height, const std::function<Rgb(int, int)>& colour)
{
    ASSERT_TRUE(loaded) << loaded.error();
    ASSERT_EQ(loaded.value().width(), width);
    ASSERT_EQ(loaded.value().height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(loaded.value().pixel(x, y), colour(x, y)) << "at " << x << "," << y;
}

}  // namespace

TEST(BitmapFiles, EveryDepthLoadsWithExactColoursInEitherRowOrder)
{
    struct Depth {
        const char* name;
        std::uint16_t bitCount;
        int red, green, blue;  // channel widths; none for a paletted depth
        std::vector<std::uint32_t> masks;
        bool os2;
    };
    const Depth depths[] = {{"1-bit", 1, 0, 0, 0, {}, false},
                            {"4-bit", 4, 0, 0, 0, {}, false},
                            {"8-bit", 8, 0, 0, 0, {}, false},
                            {"16-bit 5-5-5", 16, 5, 5, 5, {}, false},
                            {"16-bit 5-6-5", 16, 5, 6, 5, {0xF800, 0x07E0, 0x001F}, false},
                            {"24-bit", 24, 8, 8, 8, {}, false},
                            {"32-bit", 32, 8, 8, 8, {}, false},
                            {"OS/2 8-bit", 8, 0, 0, 0, {}, true},
                            {"OS/2 24-bit", 24, 8, 8, 8, {}, true}};
    // Eleven pixels a row leave a part byte or padding at every depth.
    constexpr int kWidth = 11;
    constexpr int kHeight = 3;
    for (const Depth& d : depths) {
        const bool paletted = d.red == 0;
        const int usedBits = paletted ? d.bitCount : d.red + d.green + d.blue;
        const std::vector<Rgb> palette = paletted ? rampPalette(1 << d.bitCount) : std::vector<Rgb>();
        const auto colour = [&](int x, int y) {
            const std::uint32_t raw = rawPixel(x, y, usedBits);
            if (paletted)
                return palette[raw];
            const auto channel = [&](int shift, int bits) { return widen((raw >> shift) & ((1u << bits) - 1), bits); };
            return rgb(channel(d.green + d.blue, d.red), channel(d.blue, d.green), channel(0, d.blue));
        };
        // OS/2 headers have no sign for their height, so their rows are bottom-up only.
        for (bool topDown : d.os2 ? std::vector{false} : std::vector{false, true}) {
            SCOPED_TRACE(std::string(d.name) + (topDown ? " top-down" : " bottom-up"));
            const BitmapLayout layout{
                kWidth, topDown ? -kHeight : kHeight, d.bitCount, d.masks.empty() ? 0 : kBiBitfields, palette, d.masks,
                d.os2};
            expectPicture(loadPictureBytes(bitmapOf(layout, [&](int x, int y) { return rawPixel(x, y, usedBits); })),
                          kWidth, kHeight, colour);
        }
    }
}
