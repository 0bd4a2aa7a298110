#include "file_system.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemReason()
{
    return std::strerror(errno);
}

bool statIs(const std::string& path, mode_t type)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == type;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::vector<std::string> folderEntries(const std::string& folder, EntryKind kind, bool withHidden)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || (!withHidden && name.front() == '.'))
            continue;
        const std::string path = folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
        if (kind == EntryKind::Folders ? isFolder(path) : isFile(path))
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

bool isFolder(const std::string& path)
{
    return statIs(path, S_IFDIR);
}

bool isFile(const std::string& path)
{
    return statIs(path, S_IFREG);
}

std::optional<FileStamp> fileStamp(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileStamp{static_cast<std::int64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                     static_cast<std::uint64_t>(info.st_ino)};
}

Result<std::string> readFileBytes(const std::string& path, std::int64_t maxBytes)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return Result<std::string>::failure(systemReason());
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) != 0)
        return Result<std::string>::failure(systemReason());
    if (S_ISDIR(info.st_mode))
        return Result<std::string>::failure(std::strerror(EISDIR));
    if (info.st_size > maxBytes)
        return Result<std::string>::failure("the file is too large");
    std::string bytes;
    char buffer[65536];
    // The size may change while it is read: the limit holds for what is read, not for what stat said.
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get())) {
        if (static_cast<std::int64_t>(bytes.size() + got) > maxBytes)
            return Result<std::string>::failure("the file is too large");
        bytes.append(buffer, got);
    }
    if (std::ferror(file.get()))
        return Result<std::string>::failure(systemReason());
    return Result<std::string>::success(std::move(bytes));
}

std::optional<std::string> readFileHead(const std::string& path, std::size_t count)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file || isFolder(path))
        return std::nullopt;
    std::string bytes(count, '\0');
    bytes.resize(std::fread(bytes.data(), 1, count, file.get()));
    return bytes;
}

bool openForReading(QFile& file, const std::string& path)
{
    if (isFolder(path))
        return false;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    if (file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(descriptor);
    return false;
}

std::optional<std::string> makeFolders(const std::string& path)
{
    std::string partial;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::size_t end = slash == std::string::npos ? path.size() : slash;
        partial = path.substr(0, end);
        if (!partial.empty() && ::mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST)
            return systemReason();
        start = end + 1;
    }
    if (!isFolder(path))
        return std::strerror(ENOTDIR);
    return std::nullopt;
}

Result<std::string> makeTemporaryFolder(const std::string& folder, const std::string& prefix)
{
    std::string path = (folder.empty() || folder.back() == '/' ? folder : folder + "/") + prefix + "XXXXXX";
    if (!::mkdtemp(path.data()))
        return Result<std::string>::failure(systemReason());
    return Result<std::string>::success(path);
}

bool removeFolderTree(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return ::rmdir(folder.c_str()) == 0;
    bool removed = true;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            removed = removeFolderTree(path) && removed;
        else
            removed = ::unlink(path.c_str()) == 0 && removed;
    }
    ::closedir(dir);
    return ::rmdir(folder.c_str()) == 0 && removed;
}

std::string currentFolder()
{
    std::string buffer(4096, '\0');
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return "/";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.c_str();
}

std::string cleanPath(const std::string& path)
{
    if (path.empty())
        return path;
    const bool absolute = path.front() == '/';
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        const std::string part = path.substr(start, slash - start);
        if (part == ".." && !parts.empty() && parts.back() != "..")
            parts.pop_back();
        else if (part == ".." && !absolute)
            parts.push_back(part);
        else if (!part.empty() && part != "." && part != "..")
            parts.push_back(part);
        start = slash + 1;
    }
    std::string clean = absolute ? "/" : "";
    for (std::size_t i = 0; i < parts.size(); ++i)
        clean += (i == 0 ? "" : "/") + parts[i];
    return clean.empty() ? "." : clean;
}

std::string cleanAbsolutePath(const std::string& path)
{
    return cleanPath(!path.empty() && path.front() == '/' ? path : currentFolder() + "/" + path);
}

QString displayName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
