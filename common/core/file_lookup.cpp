#include "file_lookup.h"

#include <QString>

#include <algorithm>
#include <cstdio>

#include "file_system.h"

bool fileExists(const std::string& path)
{
    return readFileHead(path, 0).has_value();
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
    if (isFile(exact) || isFolder(exact))
        return exact;
    const QString wanted = QString::fromStdString(fileName);
    std::vector<std::string> entries = folderEntries(folder, EntryKind::Files, true);
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries) {
        if (displayName(entry).compare(wanted, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry);
    }
    return exact;
}
