#include "theme_preview.h"

#include "round_frame.h"
#include "surface.h"
#include "theme_reader.h"

ThemePreview makeThemePreview(const std::string& folder, const std::string& name)
{
    ThemePreview preview;
    ThemeReadResult read = readThemeFolder(folder, name);
    if (!read) {
        preview.damage = read.error().message;
        return preview;
    }
    ThemePackage& package = read.value();
    preview.objectCount = static_cast<int>(package.objects.size());
    preview.hasDetails = package.hasDetails;
    preview.description = package.description;
    preview.dateLine = package.dateLine;
    preview.detailsCutShort = package.detailsCutShort;
    const Surface frame = restingFrame(std::move(package));
    if (!frame.isEmpty()) {
        preview.thumbnail = fitWithin(frame, kThumbnailWidth, kThumbnailHeight);
        preview.picture = fitWithin(frame, kPreviewPictureWidth, kPreviewPictureHeight);
    }
    return preview;
}

QImage fitWithin(const Surface& frame, int width, int height)
{
    // The frame's own pixels are read in place: a copy of a frame as large as the readers allow would double the
    // memory a preview takes.
    const QImage pixels(reinterpret_cast<const uchar*>(frame.row(0)), frame.width(), frame.height(),
                        static_cast<qsizetype>(frame.width()) * sizeof(Rgb), QImage::Format_RGB32);
    QImage fitted = pixels.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A surface leaves the top byte of its pixels clear where this format keeps it set. Writing it also copies a
    // frame that needed no scaling and came back as itself, still reading the surface's pixels.
    for (int y = 0; y < fitted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(fitted.scanLine(y));
        for (int x = 0; x < fitted.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    return fitted;
}
