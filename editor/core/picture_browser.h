#pragma once

#include <string>
#include <vector>

// The pattern the picture-open dialog lists, matched without regard to letter case.
inline const std::string kPicturePattern = "*.jpg;*.dib;*.wmf;*.bmp;*.ico";

// Whether the file name ends with one of the pattern's extensions, in any letter case.
bool matchesPicturePattern(const std::string& fileName);

// The names of the visible files in `folder` that match the pattern, in natural order ignoring case. Folders
// are never listed, whatever their names; an unreadable or missing folder lists nothing.
std::vector<std::string> listPictureFiles(const std::string& folder);

// The names of the folders in `folder`, without the hidden ones (names beginning with "."), in natural order
// ignoring case. An unreadable or missing folder lists nothing.
std::vector<std::string> listSubfolders(const std::string& folder);

// The file's full path: the folder, "/" unless the folder already ends with one, then the name.
std::string chosenFilePath(const std::string& folder, const std::string& fileName);

// The folder one level up from an absolute path; "/" stays "/".
std::string parentFolder(const std::string& folder);

struct MountedVolume {
    std::string rootPath;
    std::string fileSystemType;
};

// The drives a user picks from: "/", the home folder, then the mounted volumes worth listing, each once.
// Left out are the system's own trees (/proc, /sys, /dev, /run but for /run/media, /snap) and pseudo or
// read-only image file systems (tmpfs, cgroup, overlay, squashfs and the like).
std::vector<std::string> pickableDrives(const std::vector<MountedVolume>& mounted, const std::string& home);

// The drive of `drives` that holds `folder`: the longest one it lies in; empty when none does.
std::string driveHolding(const std::vector<std::string>& drives, const std::string& folder);
