#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "result.h"

class QFile;
class QString;

// The file system as the programs reach it. Paths are the file system's own bytes, whatever their encoding: a
// folder or file whose name is not UTF-8 (made on another system, or in another locale) is listed, read and
// written like any other. The toolkit's file classes drop such names, so every file access goes through here.

enum class EntryKind { Files, Folders };

// The names of the entries of that kind directly in `folder`, in no particular order; "." and ".." never.
// Names beginning with "." are hidden on this platform and left out unless asked for. Symbolic links count
// as what they point to. An unreadable or missing folder has no entries.
std::vector<std::string> folderEntries(const std::string& folder, EntryKind kind, bool withHidden = false);

bool isFolder(const std::string& path);
bool isFile(const std::string& path);

// What tells one version of a file from another without reading it: its size, when it was last modified, and
// the file it is on its disk, which a file replaced by a rename changes even within one tick of the clock.
struct FileStamp {
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  // nanoseconds since the epoch
    std::uint64_t fileNumber = 0;
};

// The stamp of a file (a symbolic link counts as what it points to); nothing when it is not there.
std::optional<FileStamp> fileStamp(const std::string& path);

// The file's bytes, at most `maxBytes` of them; a longer file is refused as too large. The error is the
// system's own reason ("No such file or directory").
Result<std::string> readFileBytes(const std::string& path, std::int64_t maxBytes);

// Up to `count` bytes from the start of the file; nothing when it cannot be read.
std::optional<std::string> readFileHead(const std::string& path, std::size_t count);

// Opens the file for reading through `file`, for the toolkit's readers that read only as far as they need.
bool openForReading(QFile& file, const std::string& path);

// Creates the folder and the folders above it; nothing when it exists afterwards, otherwise the reason.
std::optional<std::string> makeFolders(const std::string& path);

// A new, empty folder inside `folder`, named `prefix` and a few random characters; the reason when it cannot be
// made.
Result<std::string> makeTemporaryFolder(const std::string& folder, const std::string& prefix);

// Removes the folder and everything in it. Links are removed, never followed. False when anything stayed.
bool removeFolderTree(const std::string& folder);

// The process's current folder.
std::string currentFolder();

// A path with "." and ".." resolved and repeated and trailing slashes dropped, by its text alone; a relative
// path stays relative, "/" stays "/".
std::string cleanPath(const std::string& path);

// The same, made absolute from the current folder first.
std::string cleanAbsolutePath(const std::string& path);

// A name or path as the user reads it: decoded as the file system's local names are.
QString displayName(const std::string& path);
