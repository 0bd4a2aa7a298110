#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>

#include "picture_file.h"
#include "qimage_convert.h"
#include "test_files.h"
#include "test_pictures.h"

namespace {

int channelDistance(Rgb a, Rgb b)
{
    int largest = 0;
    for (int shift : {0, 8, 16})
        largest =
            std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

}  // namespace

TEST(PictureFormats, DibNamedBitmapLoads)
{
    Surface surface(2, 2, 0x00FF00);
    surface.setPixel(1, 0, 0x123456);
    ScratchFolder folder;
    writeBytes(folder.file("picture.dib"), bitmapOf(surface));
    const Result<Surface> loaded = loadPicture(folder.file("picture.dib"));
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(loaded.value(), surface);
}

TEST(PictureFormats, JpegUnderABitmapNameLoads)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0x30, 0x20));
    ScratchFolder folder;
    ASSERT_TRUE(image.save(QString::fromStdString(folder.file("photo.bmp")), "JPEG", 100));
    ASSERT_EQ(readBytes(folder.file("photo.bmp")).substr(0, 2), "\xFF\xD8");

    const Result<Surface> loaded = loadPicture(folder.file("photo.bmp"));
    ASSERT_TRUE(loaded) << loaded.error();
    ASSERT_EQ(loaded.value().width(), 16);
    ASSERT_EQ(loaded.value().height(), 12);
    EXPECT_LE(channelDistance(*loaded.value().pixel(8, 6), 0xC03020), 6);
}

TEST(PictureFormats, IconTransparencyLandsOnWhite)
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 8; x < 16; ++x)
            icon.setPixel(x, y, qRgba(0xFF, 0, 0, 0xFF));
    ScratchFolder folder;
    ASSERT_TRUE(icon.save(QString::fromStdString(folder.file("icon.ico")), "ICO"));

    const Result<Surface> loaded = loadPicture(folder.file("icon.ico"));
    ASSERT_TRUE(loaded) << loaded.error();
    ASSERT_EQ(loaded.value().width(), 16);
    ASSERT_EQ(loaded.value().height(), 16);
    EXPECT_EQ(loaded.value().pixel(2, 5), kWhite);
    EXPECT_EQ(loaded.value().pixel(12, 5), 0xFF0000u);
}

TEST(PictureFormats, MetafileRendersFilledAtItsOwnSize)
{
    ScratchFolder folder;
    writeBytes(folder.file("shape.wmf"), redEllipseMetafile(100, 60));
    const Result<Surface> loaded = loadPicture(folder.file("shape.wmf"));
    ASSERT_TRUE(loaded) << loaded.error();
    const Surface& surface = loaded.value();
    EXPECT_EQ(surface.width(), 100);
    EXPECT_EQ(surface.height(), 60);
    EXPECT_EQ(surface.pixel(50, 30), 0xFF0000u);
    EXPECT_EQ(surface.pixel(1, 1), kWhite);
    EXPECT_EQ(surface.pixel(98, 58), kWhite);
}

TEST(PictureFormats, MetafileUnderABitmapNameLoads)
{
    ScratchFolder folder;
    writeBytes(folder.file("ss0.bmp"), redEllipseMetafile(40, 40));
    const Result<Surface> loaded = loadPicture(folder.file("ss0.bmp"));
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(loaded.value().pixel(20, 20), 0xFF0000u);
}

TEST(QImageConvert, RoundTripKeepsEveryColour)
{
    Surface surface(4, 2);
    for (int x = 0; x < 4; ++x) {
        surface.setPixel(x, 0, rgb(x * 85, 255 - x * 85, 0x5A));
        surface.setPixel(x, 1, rgb(0xA5, x, 255));
    }
    const QImage image = toQImage(surface);
    EXPECT_EQ(image.width(), 4);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixel(1, 0), 0xFF55AA5Au);
    EXPECT_EQ(fromQImage(image), surface);
}

TEST(QImageConvert, AlphaIsIgnoredUnlessLaidOnWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0x00));
    image.setPixel(1, 0, qRgba(0x40, 0x50, 0x60, 0xFF));

    const Surface raw = fromQImage(image);
    EXPECT_EQ(raw.pixel(0, 0), 0x102030u);
    EXPECT_EQ(raw.pixel(1, 0), 0x405060u);

    const Surface onWhite = fromQImage(layOnWhite(image));
    EXPECT_EQ(onWhite.pixel(0, 0), kWhite);
    EXPECT_EQ(onWhite.pixel(1, 0), 0x405060u);
}

TEST(QImageConvert, OtherFormatsAreConverted)
{
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(250, 251, 252)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    const Surface surface = fromQImage(indexed);
    EXPECT_EQ(surface.pixel(0, 0), rgb(250, 251, 252));
    EXPECT_EQ(surface.pixel(1, 0), rgb(1, 2, 3));
}
