#include "picture_size.h"

#include <QFile>
#include <QImageReader>

#include "bitmap_check.h"
#include "wmf_reader.h"

namespace {

// Every header we read from lies in the first bytes of its file.
constexpr qint64 kHeaderBytes = 64;

}  // namespace

std::optional<PictureSize> pictureSizeOfFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(kHeaderBytes);
    const std::string_view bytes(head.constData(), static_cast<std::size_t>(head.size()));
    if (looksLikeBitmap(bytes)) {
        const std::optional<BitmapSize> size = bitmapSize(bytes);
        if (!size)
            return std::nullopt;
        return PictureSize{size->width, size->rows};
    }
    if (looksLikeMetafile(bytes))
        return placeableMetafileSize(bytes);
    file.seek(0);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return PictureSize{size.width(), size.height()};
}
