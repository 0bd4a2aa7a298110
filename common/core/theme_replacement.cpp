#include "theme_replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file_lookup.h"
#include "file_system.h"
#include "theme_files.h"
#include "theme_locations.h"
#include "theme_reader.h"

namespace {

bool sameObjects(const ThemePackage& a, const ThemePackage& b)
{
    if (a.objects.size() != b.objects.size())
        return false;
    for (std::size_t i = 0; i < a.objects.size(); ++i) {
        const ThemeObject& x = a.objects[i];
        const ThemeObject& y = b.objects[i];
        if (x.picture != y.picture || x.mask != y.mask || x.tube != y.tube || x.tubeMask != y.tubeMask)
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> replaceQuestion(const ThemeLocations& themes, const std::string& name)
{
    const std::string asked = "A theme named " + name + " already exists. Replace it?";
    if (isFolder(themeFolder(themes.userThemeFolder(), name)))
        return asked;
    const std::optional<ThemeEntry> found = themes.findTheme(name);
    if (found && (found->origin == ThemeOrigin::Shipped || found->origin == ThemeOrigin::SystemData))
        return asked +
               "\r\nIt was installed with the programs and stays as it is: your theme of the same name hides "
               "it from both programs.";
    return std::nullopt;
}

std::optional<std::string> setAsideOutdatedScores(const std::string& folder, const ThemePackage& replacement)
{
    const std::string scores = findInFolder(folder, ThemeFiles::kHighScores);
    if (!isFile(scores))
        return std::nullopt;
    // A theme that cannot be read any more cannot show that its objects stayed the same.
    const ThemeReadResult replaced = readThemeFolder(folder, folder);
    if (replaced && sameObjects(replaced.value(), replacement))
        return std::nullopt;
    const std::string setAside = joinPath(folder, ThemeFiles::kHighScores + kOutdatedScoresSuffix);
    if (std::rename(scores.c_str(), setAside.c_str()) != 0)
        return "\"" + scores + "\" could not be renamed to \"" + setAside + "\": " + std::strerror(errno);
    return std::nullopt;
}
