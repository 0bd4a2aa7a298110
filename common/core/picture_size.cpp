#include "picture_size.h"

#include <QFile>
#include <QImageReader>

#include "bitmap_check.h"
#include "file_system.h"
#include "wmf_reader.h"

namespace {

// Every header we read from lies in the first bytes of its file.
constexpr std::size_t kHeaderBytes = 64;

}  // namespace

std::optional<PictureSize> pictureSizeOfFile(const std::string& path)
{
    const std::optional<std::string> head = readFileHead(path, kHeaderBytes);
    if (!head)
        return std::nullopt;
    if (looksLikeBitmap(*head)) {
        const std::optional<BitmapSize> size = bitmapSize(*head);
        if (!size)
            return std::nullopt;
        return PictureSize{size->width, size->rows};
    }
    if (looksLikeMetafile(*head))
        return placeableMetafileSize(*head);
    // Other formats keep their size deeper in the file, where only the toolkit's readers know to look.
    QFile file;
    if (!openForReading(file, path))
        return std::nullopt;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return PictureSize{size.width(), size.height()};
}
