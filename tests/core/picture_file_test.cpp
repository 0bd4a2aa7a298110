#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "qimage_convert.h"
#include "test_pictures.h"

namespace {

// A JPEG file of the image, its header then patched to claim `width` x `height` (at most 65535 a side).
std::string jpegOf(const QImage& image, int width = 0, int height = 0)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (width > 0 && frame >= 0) {
        const char size[] = {char(height >> 8), char(height & 0xFF), char(width >> 8), char(width & 0xFF)};
        bytes.replace(frame + 5, 4, size, 4);
    }
    return bytes.toStdString();
}

}  // namespace

TEST(PictureFile, TruncatedAbsurdUnknownAndGarbageFilesAreRefusedNamingTheFileAndTheReason)
{
    // A 24-bit header claiming width x height with `dataBytes` zero bytes of pixel data behind it.
    const auto claimedBitmap = [](std::int32_t width, std::int32_t height, std::size_t dataBytes) {
        return bitmapFile({width, height, 24, 0, {}, {}, false}, std::string(dataBytes, '\0'));
    };
    const std::string valid = bitmapOf(Surface(10, 8, 0x336699));
    const auto patched = [&valid](std::size_t at, const std::string& replacement) {
        return std::string(valid).replace(at, replacement.size(), replacement);
    };
    const std::string rle =
        bitmapFile({8, 2, 8, kBiRle8, {kBlack, kWhite}, {}, false}, std::string("\x08\x01\x00\x00\x08\x00\x00\x01", 8));
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 7919 + 13) % 251);
    // Files grouped by the part of the message that gives the reason. Cut-short files are refused rather than
    // padded with black, and sizes beyond what a picture may hold before anything is allocated for them: 32767
    // inches a side, and a metafile wide but thin, which would take half a minute to draw.
    const std::pair<std::string, std::vector<std::string>> refusals[] = {
        {"empty", {""}},
        {"truncated",
         {valid.substr(0, valid.size() - 1), valid.substr(0, valid.size() / 2), valid.substr(0, 54),
          rle.substr(0, rle.size() - 3), claimedBitmap(16384, 16384, 0), claimedBitmap(16384, -16384, 1000),
          patched(10, "\xFF\xFF")}},
        {"header", {valid.substr(0, 2), valid.substr(0, 20), valid.substr(0, 40), patched(14, "\x14")}},
        {"more than 16384",
         {claimedBitmap(100000, 100000, 16), claimedBitmap(20000, 10, 16), claimedBitmap(10, -20000, 16)}},
        {"empty size", {claimedBitmap(-5, 5, 16), claimedBitmap(5, 0, 16)}},
        {"larger than 2048 pixels a side", {redEllipseMetafile(16000, 200, 72)}},
        {"8200 x 8200 pixels would take more than the 256 MiB",
         {jpegOf(QImage(16, 16, QImage::Format_RGB32), 8200, 8200)}},
        {"colour depth", {patched(28, "\x07")}},
        {"compression", {patched(30, "\x09")}},
        {"",
         {redEllipseMetafile(40, 40).substr(0, 30), claimedBitmap(INT32_MIN, INT32_MIN, 16),
          redEllipseMetafile(32767, 32767, 1), redEllipseMetafile(16000, 16000, 72),
          "this is not a picture at all, just some text\r\n", noise,
          std::string("\xFF\xD8\xFF\xE0", 4) + std::string(100, 'J')}}};
    for (const auto& [reason, files] : refusals)
        for (std::size_t i = 0; i < files.size(); ++i) {
            const Result<Surface> loaded = loadPictureBytes(files[i]);
            ASSERT_FALSE(loaded) << reason << " " << i << " loaded as " << testing::PrintToString(loaded.value());
            EXPECT_NE(loaded.error().find("picture.bmp"), std::string::npos) << loaded.error();
            EXPECT_NE(loaded.error().find(reason), std::string::npos) << reason << " " << i << ": " << loaded.error();
        }
}

TEST(PictureFile, BitmapsOfEveryDepthLoadWithExactColoursInEitherRowOrder)
{
    // Depth, channel widths (none for a paletted depth), and whether the file has the OS/2 header. 5-6-5 needs
    // masks, which only the Windows header holds.
    const std::tuple<std::uint16_t, int, int, int, bool> depths[] = {
        {1, 0, 0, 0, false},  {4, 0, 0, 0, false},  {8, 0, 0, 0, false}, {16, 5, 5, 5, false}, {16, 5, 6, 5, false},
        {24, 8, 8, 8, false}, {32, 8, 8, 8, false}, {8, 0, 0, 0, true},  {24, 8, 8, 8, true}};
    // A channel of 5 or 6 bits widens to eight by repeating its high bits, so that full intensity stays 255.
    const auto widen = [](std::uint32_t value, int bits) {
        value &= (1u << bits) - 1;
        return static_cast<int>(value << (8 - bits) | value >> (2 * bits - 8));
    };
    // Eleven pixels a row leave a part byte or padding at every depth.
    constexpr int kWidth = 11, kHeight = 3;
    for (const auto& [bitCount, red, green, blue, os2] : depths) {
        const bool paletted = red == 0;
        // Raw values differ from pixel to pixel in every channel; the first pixel is all zeros and the second all
        // ones, so both ends of every channel's range are seen.
        const auto raw = [full = (1u << (paletted ? bitCount : red + green + blue)) - 1](int x, int y) {
            return y == 0 && x < 2 ? full * x : (static_cast<std::uint32_t>(x * 7 + y * 11) * 0x9E3779B1u >> 7) & full;
        };
        std::vector<Rgb> palette;
        for (int i = 0; paletted && i < 1 << bitCount; ++i)
            palette.push_back(rgb(i * 255 / ((1 << bitCount) - 1), 255 - i, i * 37));
        Surface expected(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                expected.setPixel(x, y,
                                  paletted ? palette[raw(x, y)]
                                           : rgb(widen(raw(x, y) >> (green + blue), red),
                                                 widen(raw(x, y) >> blue, green), widen(raw(x, y), blue)));
        const std::vector<std::uint32_t> masks =
            green == 6 ? std::vector<std::uint32_t>{0xF800, 0x07E0, 0x001F} : std::vector<std::uint32_t>{};
        // OS/2 headers have no sign for their height, so their rows are bottom-up only.
        for (bool topDown : os2 ? std::vector{false} : std::vector{false, true}) {
            SCOPED_TRACE(testing::Message() << bitCount << " bits " << red << green << blue << (os2 ? " OS/2" : "")
                                            << (topDown ? " top-down" : " bottom-up"));
            const BitmapLayout layout{
                kWidth, topDown ? -kHeight : kHeight, bitCount, masks.empty() ? 0 : kBiBitfields, palette, masks, os2};
            const Result<Surface> loaded = loadPictureBytes(bitmapOf(layout, raw));
            ASSERT_TRUE(loaded) << loaded.error();
            EXPECT_EQ(loaded.value(), expected);
        }
    }
}

// Qt refuses pictures above 128 MiB by itself; ours may take up to the theme's budget.
TEST(PictureFile, APictureWithinTheBudgetLoadsThoughTheToolkitWouldRefuseIt)
{
    QImage photo(5800, 5800, QImage::Format_RGB32);
    photo.fill(QColor(20, 120, 200));
    const Result<Surface> loaded = loadPictureBytes(jpegOf(photo), "photo.jpg");
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(std::pair(loaded.value().width(), loaded.value().height()), std::pair(5800, 5800));
}

TEST(PictureFile, IconTransparencyLandsOnWhite)
{
    // Red on the right; a copy reaching past the left edge fills the left half with transparent pixels.
    QImage red(8, 16, QImage::Format_ARGB32);
    red.fill(qRgba(0xFF, 0, 0, 0xFF));
    const QImage icon = red.copy(-8, 0, 16, 16);
    QBuffer buffer;
    ASSERT_TRUE(icon.save(&buffer, "ICO"));
    const Result<Surface> loaded = loadPictureBytes(buffer.data().toStdString(), "icon.ico");
    ASSERT_TRUE(loaded) << loaded.error();
    const Surface& s = loaded.value();
    EXPECT_EQ(std::tuple(s.width(), s.pixel(2, 5), s.pixel(12, 5)), std::tuple(16, kWhite, 0xFF0000u));
}

TEST(PictureFile, MetafileRendersFilledAtItsOwnSizeWhateverItsName)
{
    for (const char* name : {"shape.wmf", "ss0.bmp"}) {
        const Result<Surface> loaded = loadPictureBytes(redEllipseMetafile(100, 60), name);
        ASSERT_TRUE(loaded) << loaded.error();
        const Surface& s = loaded.value();
        EXPECT_EQ(std::tuple(s.width(), s.height(), s.pixel(50, 30), s.pixel(1, 1), s.pixel(98, 58)),
                  std::tuple(100, 60, 0xFF0000u, kWhite, kWhite))
            << name;
    }
}

TEST(QImageConvert, AlphaIsIgnoredUnlessLaidOnWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0x00));
    image.setPixel(1, 0, qRgba(0x40, 0x50, 0x60, 0xFF));
    const Surface raw = fromQImage(image), onWhite = fromQImage(layOnWhite(image));
    EXPECT_EQ(std::tuple(raw.pixel(0, 0), onWhite.pixel(0, 0), onWhite.pixel(1, 0)),
              std::tuple(0x102030u, kWhite, 0x405060u));
}
