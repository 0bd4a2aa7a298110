#include "text_file.h"

#include <QFile>

#include "text_encoding.h"

namespace {

constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

}  // namespace

Result<std::string> readTextFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return Result<std::string>::failure("Cannot read \"" + path + "\": " + file.errorString().toStdString());
    if (file.size() > kMaxTextFileBytes)
        return Result<std::string>::failure("Cannot read \"" + path + "\": the file is too large for a text file");
    const QByteArray bytes = file.readAll();
    return Result<std::string>::success(
        decodeThemeText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}
