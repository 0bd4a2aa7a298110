#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "qimage_convert.h"
#include "test_pictures.h"

namespace {

std::string encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes.toStdString();
}

}  // namespace

TEST(PictureFormats, IconTransparencyLandsOnWhite)
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 8; x < 16; ++x)
            icon.setPixel(x, y, qRgba(0xFF, 0, 0, 0xFF));
    const Result<Surface> loaded = loadPictureBytes(encoded(icon, "ICO"), "icon.ico");
    ASSERT_TRUE(loaded) << loaded.error();
    ASSERT_EQ(loaded.value().width(), 16);
    EXPECT_EQ(loaded.value().pixel(2, 5), kWhite);
    EXPECT_EQ(loaded.value().pixel(12, 5), 0xFF0000u);
}

TEST(PictureFormats, MetafileRendersFilledAtItsOwnSizeWhateverItsName)
{
    for (const char* name : {"shape.wmf", "ss0.bmp"}) {
        const Result<Surface> loaded = loadPictureBytes(redEllipseMetafile(100, 60), name);
        ASSERT_TRUE(loaded) << loaded.error();
        EXPECT_EQ(loaded.value().width(), 100) << name;
        EXPECT_EQ(loaded.value().height(), 60) << name;
        EXPECT_EQ(loaded.value().pixel(50, 30), 0xFF0000u) << name;
        EXPECT_EQ(loaded.value().pixel(1, 1), kWhite) << name;
        EXPECT_EQ(loaded.value().pixel(98, 58), kWhite) << name;
    }
}

TEST(QImageConvert, AlphaIsIgnoredUnlessLaidOnWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0x00));
    image.setPixel(1, 0, qRgba(0x40, 0x50, 0x60, 0xFF));
    EXPECT_EQ(fromQImage(image).pixel(0, 0), 0x102030u);
    EXPECT_EQ(fromQImage(layOnWhite(image)).pixel(0, 0), kWhite);
    EXPECT_EQ(fromQImage(layOnWhite(image)).pixel(1, 0), 0x405060u);
}
