#include "file_lookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool fileExists(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    if (QFileInfo(name).isDir())
        return false;
    QFile file(name);
    return file.open(QIODevice::ReadOnly);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string findInFolder(const std::string& folder, const std::string& fileName)
{
    const std::string exact = joinPath(folder, fileName);
    if (QFileInfo::exists(QString::fromStdString(exact)))
        return exact;
    const QString wanted = QString::fromStdString(fileName);
    const QStringList entries =
        QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry.toStdString());
    }
    return exact;
}
