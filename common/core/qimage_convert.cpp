#include "qimage_convert.h"

#include <QImage>
#include <QPainter>

#include "surface.h"

QImage toQImage(const Surface& surface)
{
    QImage image;
    copyIntoImage(surface, image);
    return image;
}

void copyIntoImage(const Surface& surface, QImage& image)
{
    if (image.format() != QImage::Format_RGB32 || image.width() != surface.width() ||
        image.height() != surface.height())
        image = QImage(surface.width(), surface.height(), QImage::Format_RGB32);
    // A 32-bit RGB image keeps 0xFF in its top byte, where a surface keeps nothing. The sizes are read once:
    // a store through a pixel pointer could change them as far as the compiler knows, and reading them again
    // for every pixel keeps the loop from being vectorized.
    const int width = surface.width();
    const int height = surface.height();
    for (int y = 0; y < height; ++y) {
        const Rgb* source = surface.row(y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            target[x] = 0xFF000000u | source[x];
    }
}

Surface fromQImage(const QImage& image)
{
    QImage opaque = image;
    if (opaque.format() == QImage::Format_ARGB32)
        opaque.reinterpretAsFormat(QImage::Format_RGB32);
    else if (opaque.format() != QImage::Format_RGB32)
        opaque = opaque.convertToFormat(QImage::Format_RGB32);

    Surface surface(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        Rgb* target = surface.row(y);
        for (int x = 0; x < opaque.width(); ++x)
            target[x] = source[x] & kWhite;
    }
    return surface;
}

QImage layOnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}
