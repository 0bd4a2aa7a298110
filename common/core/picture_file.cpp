#include "picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "atomic_file.h"
#include "bitmap_check.h"
#include "file_system.h"
#include "picture_size.h"
#include "qimage_convert.h"
#include "wmf_reader.h"

namespace {

Result<Surface> failure(const std::string& path, const std::string& reason)
{
    return Result<Surface>::failure("Cannot load picture \"" + path + "\": " + reason + ".");
}

Result<Surface> decodeWithQt(const std::string& path, QByteArray& bytes, const QByteArray& format, bool bitmap)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(format.isEmpty());
    // The toolkit's own allocation limit is lower than ours: a picture within our budget must not fail there.
    reader.setAllocationLimit(static_cast<int>(kPictureMemoryBudget / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid()) {
        if (std::optional<std::string> problem = pictureLimitProblem({size.width(), size.height()}))
            return failure(path, *problem);
    }
    QImage image = reader.read();
    if (image.isNull())
        return failure(path, "not a picture that can be read (" + reader.errorString().toStdString() + ")");
    // A bitmap's fourth byte is noise to the painter; other formats' transparency shows the white ground.
    return Result<Surface>::success(fromQImage(bitmap ? image : layOnWhite(image)));
}

// Qt widens a channel of fewer than 8 bits by shifting it up, so 5-bit white (31) becomes 248 and a white
// mask pixel stops being white. Repeating the channel's bits below it gives the full range: 31 -> 255.
std::uint32_t widened(std::uint32_t shiftedUp, int width)
{
    if (width <= 0 || width >= 8)
        return shiftedUp;
    std::uint32_t value = 0;
    for (int shift = 0; shift < 8; shift += width)
        value |= shiftedUp >> shift;
    return value & 0xFF;
}

void widenNarrowChannels(Surface& surface, const ChannelWidths& widths)
{
    for (int y = 0; y < surface.height(); ++y) {
        Rgb* row = surface.row(y);
        for (int x = 0; x < surface.width(); ++x) {
            const Rgb pixel = row[x];
            row[x] = rgb(widened((pixel >> 16) & 0xFF, widths.red), widened((pixel >> 8) & 0xFF, widths.green),
                         widened(pixel & 0xFF, widths.blue));
        }
    }
}

}  // namespace

Result<Surface> loadPicture(const std::string& path)
{
    if (!isFile(path) && !isFolder(path))
        return failure(path, "the file does not exist");
    const Result<std::string> bytes = readFileBytes(path, kPictureMemoryBudget);
    if (!bytes)
        return failure(path, bytes.error());
    return decodePicture(QByteArray::fromStdString(bytes.value()), path);
}

Result<Surface> decodePicture(const QByteArray& bytes, const std::string& path)
{
    // Memory may run out with any picture on a loaded machine: that is a picture not loaded, not the end.
    try {
        const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        if (bytes.isEmpty())
            return failure(path, "the file is empty");
        if (looksLikeBitmap(view)) {
            // Qt loads a truncated bitmap "successfully" with black rows, so the length is checked first.
            if (auto problem = checkBitmap(view))
                return failure(path, *problem);
            if (const std::optional<BitmapSize> size = bitmapSize(view)) {
                if (std::optional<std::string> problem = pictureLimitProblem({size->width, size->rows}))
                    return failure(path, *problem);
            }
            QByteArray copy = bytes;
            Result<Surface> decoded = decodeWithQt(path, copy, "bmp", true);
            if (const std::optional<ChannelWidths> widths = narrowChannelWidths(view); decoded && widths)
                widenNarrowChannels(decoded.value(), *widths);
            return decoded;
        }
        if (looksLikeMetafile(view)) {
            Result<Surface> rendered = renderMetafile(std::string(view));
            if (!rendered)
                return failure(path, rendered.error());
            return rendered;
        }
        QByteArray copy = bytes;
        return decodeWithQt(path, copy, QByteArray(), false);
    } catch (const std::bad_alloc&) {
        return failure(path, "there is not enough memory for it");
    }
}

std::optional<std::string> savePictureBmp(const Surface& surface, const std::string& path)
{
    return writeBitmapAtomically(path, toQImage(surface));
}
