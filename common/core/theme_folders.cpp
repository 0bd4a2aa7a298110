#include "theme_folders.h"

#include <QDir>

#include <algorithm>

#include "natural_order.h"

std::vector<std::string> listThemeFolders(const std::string& programFolder)
{
    QStringList names = QDir(QString::fromStdString(programFolder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), naturallyBefore);

    std::vector<std::string> folders;
    for (const QString& name : names)
        folders.push_back(name.toStdString());
    return folders;
}
