#include "atomic_file.h"

#include <QImage>
#include <QSaveFile>

namespace {

std::optional<std::string> failure(const std::string& path, const QSaveFile& file)
{
    return "Cannot write \"" + path + "\": " + file.errorString().toStdString();
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return failure(path, file);
    if (!file.commit())
        return failure(path, file);
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
    if (!file.commit())
        return failure(path, file);
    return std::nullopt;
}
