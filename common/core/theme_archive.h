#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "picture_limits.h"
#include "result.h"

// A theme shared as one zip archive: one top folder, named after the theme, holding the theme's files.
//
// An archive from a stranger is untrusted. Before anything of it is unpacked, every entry is checked: it must be a
// plain file directly in the one top folder, under a name a theme's file may have; there are at most
// kMaxArchiveEntries of them, together at most kMaxUnpackedBytes unpacked, none unpacking to more than
// kMaxPackingRatio times its packed size. What is unpacked is counted again, since the sizes an archive gives may lie.

constexpr int kMaxArchiveEntries = 200;
constexpr std::int64_t kMaxUnpackedBytes = kPictureMemoryBudget;
constexpr std::int64_t kMaxPackingRatio = 1000;

// Writes the files `fileNames` of the theme folder `folder` (found there whatever the letter case of their names)
// into a new archive at `archivePath`, in a top folder named `name`. The archive is written under a temporary name
// and renamed into place. The reason on failure.
std::optional<std::string> writeThemeArchive(const std::string& archivePath, const std::string& name,
                                             const std::string& folder, const std::vector<std::string>& fileNames);

// Unpacks the theme archive at `archivePath` into `into`, an empty folder: its files land directly in `into`.
// The theme's name (the top folder's), or why the archive is refused; a refused archive may leave files in `into`,
// which the caller removes.
Result<std::string> unpackThemeArchive(const std::string& archivePath, const std::string& into);

// The same for an archive held in memory; `label` names it in the messages.
Result<std::string> unpackThemeArchiveBytes(const std::string& bytes, const std::string& label,
                                            const std::string& into);
