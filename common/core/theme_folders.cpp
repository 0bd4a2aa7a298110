#include "theme_folders.h"

#include <QString>

#include <algorithm>

#include "file_system.h"
#include "natural_order.h"

std::vector<std::string> listThemeFolders(const std::string& programFolder)
{
    std::vector<std::string> folders = folderEntries(programFolder, EntryKind::Folders);
    std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
        return naturallyBefore(displayName(a), displayName(b));
    });
    return folders;
}
