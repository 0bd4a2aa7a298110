#include <gtest/gtest.h>

#include "bitmap_check.h"
#include "picture_file.h"
#include "test_files.h"
#include "test_pictures.h"

namespace {

// A 24-bit header claiming width x height with `dataBytes` zero bytes of pixel data behind it.
std::string claimedBitmap(std::int32_t width, std::int32_t height, std::size_t dataBytes)
{
    BitmapLayout layout;
    layout.width = width;
    layout.height = height;
    return bitmapFile(layout, std::string(dataBytes, '\0'));
}

std::string validBitmap()
{
    Surface surface(10, 8, 0x336699);
    return bitmapOf(surface);
}

// Loads the bytes and expects a refusal that names the file and contains `reason`.
void expectRefused(const std::string& bytes, const std::string& reason)
{
    ScratchFolder folder;
    const std::string path = folder.file("picture.bmp");
    writeBytes(path, bytes);
    const Result<Surface> loaded = loadPicture(path);
    ASSERT_FALSE(loaded) << "loaded a " << loaded.value().width() << " x " << loaded.value().height() << " picture";
    EXPECT_NE(loaded.error().find(path), std::string::npos) << loaded.error();
    EXPECT_NE(loaded.error().find(reason), std::string::npos) << loaded.error();
}

}  // namespace

TEST(PictureErrors, MissingEmptyAndFolderNameTheFile)
{
    ScratchFolder folder;
    for (const std::string& path : {folder.file("missing.bmp"), folder.path()}) {
        const Result<Surface> loaded = loadPicture(path);
        ASSERT_FALSE(loaded) << path;
        EXPECT_NE(loaded.error().find(path), std::string::npos) << loaded.error();
    }
    EXPECT_NE(loadPicture(folder.file("missing.bmp")).error().find("does not exist"), std::string::npos);
    expectRefused("", "empty");
}

TEST(PictureErrors, TruncatedPixelDataIsRefusedNotPaddedWithBlack)
{
    const std::string whole = validBitmap();
    expectRefused(whole.substr(0, whole.size() - 1), "truncated");
    expectRefused(whole.substr(0, whole.size() / 2), "truncated");
    expectRefused(whole.substr(0, 54), "truncated");
}

TEST(PictureErrors, TruncatedHeaderIsRefused)
{
    const std::string whole = validBitmap();
    expectRefused(whole.substr(0, 2), "header");
    expectRefused(whole.substr(0, 20), "header");
    expectRefused(whole.substr(0, 40), "header");
}

TEST(PictureErrors, AbsurdSizesAreRefusedBeforeAllocating)
{
    expectRefused(claimedBitmap(100000, 100000, 16), "more than 16384");
    expectRefused(claimedBitmap(20000, 10, 16), "more than 16384");
    expectRefused(claimedBitmap(10, -20000, 16), "more than 16384");
    expectRefused(claimedBitmap(-5, 5, 16), "empty size");
    expectRefused(claimedBitmap(5, 0, 16), "empty size");
    expectRefused(claimedBitmap(INT32_MIN, INT32_MIN, 16), "");
    expectRefused(claimedBitmap(16384, 16384, 0), "truncated");
    expectRefused(claimedBitmap(16384, -16384, 1000), "truncated");
}

TEST(PictureErrors, UnknownLayoutsAreRefused)
{
    std::string depth = validBitmap();
    depth[28] = 7;
    expectRefused(depth, "colour depth");

    std::string compression = validBitmap();
    compression[30] = 9;
    expectRefused(compression, "compression");

    std::string header = validBitmap();
    header[14] = 20;
    expectRefused(header, "header");

    std::string offset = validBitmap();
    offset[10] = '\xFF';
    offset[11] = '\xFF';
    expectRefused(offset, "truncated");
}

TEST(PictureErrors, RunLengthDataShorterThanItsHeaderSaysIsRefused)
{
    BitmapLayout layout;
    layout.width = 8;
    layout.height = 2;
    layout.bitCount = 8;
    layout.compression = kBiRle8;
    layout.palette = {kBlack, kWhite};
    const std::string data("\x08\x01\x00\x00\x08\x00\x00\x01", 8);
    const std::string whole = bitmapFile(layout, data);
    expectRefused(whole.substr(0, whole.size() - 3), "truncated");
}

TEST(PictureErrors, GarbageIsRefused)
{
    expectRefused("this is not a picture at all, just some text\r\n", "");
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 7919 + 13) % 251);
    expectRefused(noise, "");
    expectRefused("BM", "");
    expectRefused(std::string("\xFF\xD8\xFF\xE0", 4) + std::string(100, 'J'), "");
}

TEST(PictureErrors, TruncatedMetafileIsRefused)
{
    const std::string whole = redEllipseMetafile(40, 40);
    expectRefused(whole.substr(0, 30), "");
}

TEST(PictureErrors, HugeMetafileIsRefusedBeforeRendering)
{
    // 32767 inches a side: far beyond any picture we agree to hold.
    expectRefused(redEllipseMetafile(32767, 32767, 1), "");
    expectRefused(redEllipseMetafile(16000, 16000, 72), "");
    // Wide but thin: drawing it would take half a minute, so its size is refused from the header.
    expectRefused(redEllipseMetafile(16000, 200, 72), "larger than 2048 pixels a side");
}

TEST(BitmapCheck, AcceptsWhatTheLoaderReads)
{
    EXPECT_FALSE(checkBitmap(validBitmap()));
    EXPECT_TRUE(looksLikeBitmap(validBitmap()));
    EXPECT_FALSE(looksLikeBitmap("B"));
    EXPECT_FALSE(looksLikeBitmap("MB...."));
}
