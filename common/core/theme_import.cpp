#include "theme_import.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

#include "atomic_file.h"
#include "file_lookup.h"
#include "file_system.h"
#include "theme_archive.h"
#include "theme_files.h"
#include "theme_locations.h"
#include "theme_name_rules.h"
#include "theme_reader.h"
#include "theme_replacement.h"

namespace {

using Refusal = std::optional<std::string>;

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string lastPart(const std::string& path)
{
    const std::string clean = cleanAbsolutePath(path);
    return clean.substr(clean.rfind('/') + 1);
}

// Every entry of the folder with what lstat says of it; links are seen as links.
std::vector<std::pair<std::string, struct stat>> entriesOf(const std::string& folder)
{
    std::vector<std::pair<std::string, struct stat>> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return entries;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (name != "." && name != ".." && ::lstat(joinPath(folder, name).c_str(), &info) == 0)
            entries.emplace_back(name, info);
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return entries;
}

// Copies a theme folder's plain files, with the checks an archive gets: no links or devices, names a theme's
// file may have, no more files or bytes than an archive may hold. Folders inside it are no part of a theme.
Refusal copyThemeFolder(const std::string& source, const std::string& into)
{
    const std::string label = quoted(source);
    const auto entries = entriesOf(source);
    if (!isFolder(source))
        return label + " cannot be read.";
    if (entries.size() > static_cast<std::size_t>(kMaxArchiveEntries))
        return label + " holds " + std::to_string(entries.size()) + " entries; a theme holds at most " +
               std::to_string(kMaxArchiveEntries) + ".";
    std::int64_t total = 0;
    for (const auto& [name, info] : entries) {
        if (S_ISDIR(info.st_mode))
            continue;
        if (!S_ISREG(info.st_mode))
            return "In " + label + ", " + quoted(name) + " is a link or a device, not a plain file.";
        if (const std::optional<std::string> problem = themeNameProblem(name))
            return "In " + label + ", " + quoted(name) + " is not a name a theme's file may have: " + *problem;
        total += info.st_size;
        if (total > kMaxUnpackedBytes)
            return label + " holds more than " + pictureBudgetText() + ".";
    }
    for (const auto& [name, info] : entries) {
        if (!S_ISREG(info.st_mode) || name == ThemeFiles::kHighScores)
            continue;
        const Result<std::string> bytes = readFileBytes(joinPath(source, name), kMaxUnpackedBytes);
        if (!bytes)
            return "Cannot read " + quoted(joinPath(source, name)) + ": " + bytes.error();
        if (std::optional<std::string> problem = writeFileAtomically(joinPath(into, name), bytes.value()))
            return problem;
    }
    return std::nullopt;
}

// The score table of the theme replaced, in `from`, goes with the new theme `name` in `to`, by the rule of a save
// that replaces a theme: as it is while the objects stay the same, aside as "HighScores.ini.old" otherwise.
void carryScores(const std::string& from, const std::string& to, const std::string& name)
{
    if (!isFile(findInFolder(from, ThemeFiles::kHighScores)))
        return;
    if (const ThemeReadResult replacement = readThemeFolder(to, name))
        setAsideOutdatedScores(from, replacement.value());
    for (const std::string& table : {ThemeFiles::kHighScores, ThemeFiles::kHighScores + kOutdatedScoresSuffix}) {
        const std::string found = findInFolder(from, table);
        if (isFile(found))
            std::rename(found.c_str(), joinPath(to, table).c_str());
    }
}

// Puts the theme read whole in `unpacked` in place as the user's theme `name`.
Refusal placeTheme(const std::string& unpacked, const std::string& userFolder, const std::string& name)
{
    const std::string target = joinPath(userFolder, name);
    if (!isFolder(target)) {
        if (std::rename(unpacked.c_str(), target.c_str()) != 0)
            return "Cannot add the theme as " + quoted(target) + ": " + std::strerror(errno);
        return std::nullopt;
    }
    const Result<std::string> aside = makeTemporaryFolder(userFolder, ".replaced-");
    if (!aside)
        return "Cannot replace the theme " + quoted(target) + ": " + aside.error();
    if (std::rename(target.c_str(), aside.value().c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        removeFolderTree(aside.value());
        return "Cannot replace the theme " + quoted(target) + ": " + reason;
    }
    if (std::rename(unpacked.c_str(), target.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::rename(aside.value().c_str(), target.c_str());
        return "Cannot replace the theme " + quoted(target) + ": " + reason;
    }
    carryScores(aside.value(), target, name);
    removeFolderTree(aside.value());
    return std::nullopt;
}

// Everything but placing the theme: unpacked or copied into `temporary`, named, and read whole there.
Result<std::string> takeInto(const std::string& source, const std::string& temporary)
{
    std::string name;
    if (isFolder(source)) {
        name = lastPart(source);
        if (const std::optional<std::string> problem = themeNameProblem(name))
            return Result<std::string>::failure(quoted(source) + " cannot be a theme's folder: " + *problem);
        if (Refusal problem = copyThemeFolder(source, temporary))
            return Result<std::string>::failure(*problem);
    } else {
        Result<std::string> unpacked = unpackThemeArchive(source, temporary);
        if (!unpacked)
            return unpacked;
        name = unpacked.value();
    }
    const ThemeReadResult read = readThemeFolder(temporary, name);
    if (!read)
        return Result<std::string>::failure("The theme " + quoted(name) + " in " + quoted(source) +
                                            " cannot be loaded: " + read.error().message);
    return Result<std::string>::success(name);
}

}  // namespace

Result<ThemeAddition> addTheme(const std::string& source, const ThemeLocations& locations,
                               const ReplaceQuestion& mayReplace)
{
    using Outcome = Result<ThemeAddition>;
    const std::string userFolder = locations.userThemeFolder();
    if (const std::optional<std::string> problem = makeFolders(userFolder))
        return Outcome::failure("Cannot make the theme folder " + quoted(userFolder) + ": " + *problem);
    // Hidden, so that no chooser lists it while it is filled.
    const Result<std::string> temporary = makeTemporaryFolder(userFolder, ".adding-");
    if (!temporary)
        return Outcome::failure("Cannot add a theme to " + quoted(userFolder) + ": " + temporary.error());
    const auto finish = [&](Outcome outcome) {
        if (isFolder(temporary.value()))
            removeFolderTree(temporary.value());
        return outcome;
    };

    const Result<std::string> taken = takeInto(source, temporary.value());
    if (!taken)
        return finish(Outcome::failure(taken.error()));
    const std::string& name = taken.value();
    if (const std::optional<ThemeEntry> existing = locations.findTheme(name)) {
        const bool installed =
            existing->origin != ThemeOrigin::UserFolder && existing->origin != ThemeOrigin::ProgramFolder;
        if (!mayReplace(name, installed))
            return finish(Outcome::success({name, false}));
    }
    if (Refusal problem = placeTheme(temporary.value(), userFolder, name))
        return finish(Outcome::failure(*problem));
    return finish(Outcome::success({name, true}));
}

const char* const kSharedThemeFilter = "Shared themes (*.zip Theme.ini)";

std::string sharedThemeSource(const std::string& picked)
{
    const std::size_t slash = picked.find_last_of('/');
    const std::string file = slash == std::string::npos ? picked : picked.substr(slash + 1);
    // Theme files are found whatever the case of their names.
    if (file.size() != ThemeFiles::kPositions.size() ||
        !std::equal(file.begin(), file.end(), ThemeFiles::kPositions.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        }))
        return picked;
    return slash == std::string::npos ? std::string(".") : picked.substr(0, std::max<std::size_t>(slash, 1));
}
