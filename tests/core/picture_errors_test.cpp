#include <gtest/gtest.h>

#include "picture_file.h"
#include "test_files.h"
#include "test_pictures.h"

namespace {

// A 24-bit header claiming width x height with `dataBytes` zero bytes of pixel data behind it.
std::string claimedBitmap(std::int32_t width, std::int32_t height, std::size_t dataBytes)
{
    return bitmapFile({width, height, 24, 0, {}, {}, false}, std::string(dataBytes, '\0'));
}

const std::string kValidBitmap = bitmapOf(Surface(10, 8, 0x336699));

std::string patched(std::string bytes, std::size_t at, const std::string& replacement)
{
    return bytes.replace(at, replacement.size(), replacement);
}

struct Refusal {
    std::string bytes;
    std::string reason;  // part of the message besides the file's path
};

// Loads each file and expects a refusal that names the file and gives the reason.
void expectRefused(const std::vector<Refusal>& refusals)
{
    for (std::size_t i = 0; i < refusals.size(); ++i) {
        ScratchFolder folder;
        const std::string path = folder.file("picture.bmp");
        writeBytes(path, refusals[i].bytes);
        const Result<Surface> loaded = loadPicture(path);
        ASSERT_FALSE(loaded) << "case " << i << " loaded as " << testing::PrintToString(loaded.value());
        EXPECT_NE(loaded.error().find(path), std::string::npos) << loaded.error();
        EXPECT_NE(loaded.error().find(refusals[i].reason), std::string::npos) << "case " << i << ": " << loaded.error();
    }
}

}  // namespace

TEST(PictureErrors, TruncatedFilesAreRefusedNotPaddedWithBlack)
{
    const BitmapLayout rle{8, 2, 8, kBiRle8, {kBlack, kWhite}, {}, false};
    const std::string rleBitmap = bitmapFile(rle, std::string("\x08\x01\x00\x00\x08\x00\x00\x01", 8));
    expectRefused({{"", "empty"},
                   {kValidBitmap.substr(0, kValidBitmap.size() - 1), "truncated"},
                   {kValidBitmap.substr(0, kValidBitmap.size() / 2), "truncated"},
                   {kValidBitmap.substr(0, 54), "truncated"},
                   {kValidBitmap.substr(0, 2), "header"},
                   {kValidBitmap.substr(0, 20), "header"},
                   {kValidBitmap.substr(0, 40), "header"},
                   {rleBitmap.substr(0, rleBitmap.size() - 3), "truncated"},
                   {redEllipseMetafile(40, 40).substr(0, 30), ""}});
}

TEST(PictureErrors, AbsurdSizesAreRefusedBeforeAllocating)
{
    expectRefused({{claimedBitmap(100000, 100000, 16), "more than 16384"},
                   {claimedBitmap(20000, 10, 16), "more than 16384"},
                   {claimedBitmap(10, -20000, 16), "more than 16384"},
                   {claimedBitmap(-5, 5, 16), "empty size"},
                   {claimedBitmap(5, 0, 16), "empty size"},
                   {claimedBitmap(INT32_MIN, INT32_MIN, 16), ""},
                   {claimedBitmap(16384, 16384, 0), "truncated"},
                   {claimedBitmap(16384, -16384, 1000), "truncated"},
                   // 32767 inches a side: far beyond any picture we agree to hold.
                   {redEllipseMetafile(32767, 32767, 1), ""},
                   {redEllipseMetafile(16000, 16000, 72), ""},
                   // Wide but thin: drawing it would take half a minute, so its size is refused from the header.
                   {redEllipseMetafile(16000, 200, 72), "larger than 2048 pixels a side"}});
}

TEST(PictureErrors, UnknownLayoutsAndGarbageAreRefused)
{
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 7919 + 13) % 251);
    expectRefused({{patched(kValidBitmap, 28, "\x07"), "colour depth"},
                   {patched(kValidBitmap, 30, "\x09"), "compression"},
                   {patched(kValidBitmap, 14, "\x14"), "header"},
                   {patched(kValidBitmap, 10, "\xFF\xFF"), "truncated"},
                   {"this is not a picture at all, just some text\r\n", ""},
                   {noise, ""},
                   {std::string("\xFF\xD8\xFF\xE0", 4) + std::string(100, 'J'), ""}});
}
