#include "picture_browser.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <set>

#include "file_system.h"
#include "natural_order.h"

namespace {

const QStringList& pictureExtensions()
{
    static const QStringList extensions = [] {
        QStringList parts = QString::fromStdString(kPicturePattern).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& part : parts)
            part.remove(0, 1);
        return parts;
    }();
    return extensions;
}

std::vector<std::string> sortedNames(const std::string& folder, EntryKind kind)
{
    if (folder.empty())
        return {};
    std::vector<std::string> names = folderEntries(folder, kind);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return naturallyBefore(displayName(a), displayName(b));
    });
    return names;
}

bool liesIn(const std::string& path, const std::string& folder)
{
    if (folder == "/")
        return !path.empty() && path.front() == '/';
    return path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/');
}

bool isSystemTree(const std::string& rootPath)
{
    if (liesIn(rootPath, "/run/media"))
        return false;
    static const char* const systemTrees[] = {"/proc", "/sys", "/dev", "/run", "/snap"};
    return std::any_of(std::begin(systemTrees), std::end(systemTrees),
                       [&](const char* tree) { return liesIn(rootPath, tree); });
}

bool isPseudoFileSystem(const std::string& type)
{
    static const std::set<std::string> pseudo = {
        "autofs",   "binfmt_misc", "bpf",        "cgroup",     "cgroup2",  "configfs", "debugfs", "devpts",
        "devtmpfs", "efivarfs",    "fusectl",    "hugetlbfs",  "mqueue",   "nsfs",     "overlay", "proc",
        "pstore",   "ramfs",       "rpc_pipefs", "securityfs", "squashfs", "sysfs",    "tmpfs",   "tracefs"};
    return pseudo.count(type) > 0;
}

}  // namespace

bool matchesPicturePattern(const std::string& fileName)
{
    const QString name = QString::fromStdString(fileName);
    return std::any_of(pictureExtensions().begin(), pictureExtensions().end(),
                       [&](const QString& extension) { return name.endsWith(extension, Qt::CaseInsensitive); });
}

std::vector<std::string> listPictureFiles(const std::string& folder)
{
    std::vector<std::string> files = sortedNames(folder, EntryKind::Files);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const std::string& name) { return !matchesPicturePattern(name); }),
                files.end());
    return files;
}

std::vector<std::string> listSubfolders(const std::string& folder)
{
    return sortedNames(folder, EntryKind::Folders);
}

std::string chosenFilePath(const std::string& folder, const std::string& fileName)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + fileName;
    return folder + "/" + fileName;
}

std::string parentFolder(const std::string& folder)
{
    const std::string clean = cleanPath(folder);
    const std::size_t lastSlash = clean.rfind('/');
    if (lastSlash == std::string::npos || lastSlash == 0)
        return "/";
    return clean.substr(0, lastSlash);
}

std::vector<std::string> pickableDrives(const std::vector<MountedVolume>& mounted, const std::string& home)
{
    std::vector<std::string> drives;
    const auto add = [&](const std::string& path) {
        if (path.empty())
            return;
        const std::string clean = cleanPath(path);
        if (std::find(drives.begin(), drives.end(), clean) == drives.end())
            drives.push_back(clean);
    };
    add("/");
    add(home);
    for (const MountedVolume& volume : mounted) {
        const std::string root = cleanPath(volume.rootPath);
        if (!isSystemTree(root) && !isPseudoFileSystem(volume.fileSystemType))
            add(root);
    }
    return drives;
}

std::string driveHolding(const std::vector<std::string>& drives, const std::string& folder)
{
    const std::string clean = cleanPath(folder);
    std::string holding;
    for (const std::string& drive : drives) {
        if (liesIn(clean, drive) && drive.size() > holding.size())
            holding = drive;
    }
    return holding;
}
