#include "atomic_file.h"

#include <QFile>
#include <QImage>
#include <QSaveFile>

namespace {

std::optional<std::string> failure(const std::string& path, const QSaveFile& file)
{
    return "Cannot write \"" + path + "\": " + file.errorString().toStdString();
}

// QSaveFile buffers what it is given and commits even when writing its buffer out failed (a full disk, a
// file size limit), which would rename a short file over the good one: the buffer is flushed and checked
// first, and a failed file is never committed.
std::optional<std::string> writeAndCommit(QSaveFile& file, const std::string& path, const std::string& bytes)
{
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.flush())
        return failure(path, file);
    if (!file.commit())
        return failure(path, file);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file);
    return writeAndCommit(file, path, bytes);
}

std::optional<std::string> writeFileAtomicallyOrInPlace(const std::string& path, const std::string& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly))
        return writeAndCommit(file, path, bytes);
    // Only where the temporary file could not even be made, and only over a file that is there already.
    QFile inPlace(QString::fromStdString(path));
    if (!inPlace.exists() || !inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failure(path, file);
    if (inPlace.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !inPlace.flush())
        return "Cannot write \"" + path + "\": " + inPlace.errorString().toStdString();
    return std::nullopt;
}

std::optional<std::string> writeBitmapAtomically(const std::string& path, const QImage& image)
{
    // Qt writes paletted images at 1 or 4 bits; the theme format's readers expect what we always wrote.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file);
    if (!rgb.save(&file, "BMP"))
        return "Cannot write \"" + path + "\": the picture could not be encoded";
    if (!file.flush())
        return failure(path, file);
    if (!file.commit())
        return failure(path, file);
    return std::nullopt;
}
