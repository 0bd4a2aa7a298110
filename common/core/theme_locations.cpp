#include "theme_locations.h"

#include <QString>

#include <algorithm>

#include <unistd.h>

#include "file_lookup.h"
#include "file_system.h"
#include "natural_order.h"
#include "theme_files.h"

namespace {

const std::string kThemesUnderData = "vantor/themes";
const std::string kScoresUnderData = "vantor/scores";
const std::string kShippedBesideProgram = "../share/vantor/themes";
// What the XDG base directory rules take when the variable is unset or empty.
const std::string kDefaultDataHomeUnderHome = ".local/share";
const std::string kDefaultDataDirs = "/usr/local/share:/usr/share";

bool isAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

// A theme name is the name of one folder: nothing that would lead out of the folder holding it.
bool isThemeName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

std::string dataHomeOf(const ThemeEnvironment& environment)
{
    // Relative paths are invalid in these variables and are ignored, as the XDG rules ask.
    if (isAbsolute(environment.dataHome))
        return cleanPath(environment.dataHome);
    return cleanPath(joinPath(environment.home, kDefaultDataHomeUnderHome));
}

std::vector<std::string> dataDirsOf(const ThemeEnvironment& environment)
{
    const std::string& listed = environment.dataDirs.empty() ? kDefaultDataDirs : environment.dataDirs;
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= listed.size()) {
        const std::size_t end = std::min(listed.find(':', start), listed.size());
        const std::string folder = listed.substr(start, end - start);
        if (isAbsolute(folder))
            folders.push_back(cleanPath(folder));
        start = end + 1;
    }
    return folders;
}

}  // namespace

ThemeLocations::ThemeLocations(const ThemeEnvironment& environment)
    : ThemeLocations(environment, isFolder(joinPath(environment.programFolder, ThemeFiles::kDefaultTheme)))
{
}

ThemeLocations ThemeLocations::portable(const std::string& programFolder)
{
    return ThemeLocations(ThemeEnvironment{programFolder, {}, {}, {}}, true);
}

ThemeLocations::ThemeLocations(const ThemeEnvironment& environment, bool portable)
    : m_programFolder(environment.programFolder), m_portable(portable), m_dataHome(dataHomeOf(environment))
{
    if (m_portable) {
        // Kept exactly as given: every path of a portable program is its folder joined with a name.
        m_roots.push_back({m_programFolder, ThemeOrigin::ProgramFolder});
        return;
    }
    addRoot(joinPath(m_dataHome, kThemesUnderData), ThemeOrigin::UserFolder);
    addRoot(joinPath(m_programFolder, kShippedBesideProgram), ThemeOrigin::Shipped);
    for (const std::string& folder : dataDirsOf(environment))
        addRoot(joinPath(folder, kThemesUnderData), ThemeOrigin::SystemData);
}

void ThemeLocations::addRoot(const std::string& folder, ThemeOrigin origin)
{
    const std::string clean = cleanPath(folder);
    const bool known =
        std::any_of(m_roots.begin(), m_roots.end(), [&](const Root& root) { return root.folder == clean; });
    if (!known)
        m_roots.push_back({clean, origin});
}

std::vector<std::string> ThemeLocations::themeRoots() const
{
    std::vector<std::string> folders;
    for (const Root& root : m_roots)
        folders.push_back(root.folder);
    return folders;
}

std::string ThemeLocations::addNamedFolder(const std::string& folder)
{
    const std::string absolute = cleanAbsolutePath(folder);
    const std::size_t lastSlash = absolute.rfind('/');
    const std::string parent = lastSlash == 0 ? "/" : absolute.substr(0, lastSlash);
    const std::string name = absolute.substr(lastSlash + 1);
    // A folder that lies in one of the roots is that root's theme, and its scores go where that root's go.
    ThemeOrigin origin = ThemeOrigin::Named;
    for (const Root& root : m_roots) {
        if (cleanPath(root.folder) == parent) {
            origin = root.origin;
            break;
        }
    }
    m_named.insert(m_named.begin(), {name, absolute, origin});
    return name;
}

std::vector<ThemeEntry> ThemeLocations::listThemes() const
{
    std::vector<ThemeEntry> entries = m_named;
    const auto listed = [&entries](const std::string& name) {
        return std::any_of(entries.begin(), entries.end(), [&](const ThemeEntry& entry) { return entry.name == name; });
    };
    for (const Root& root : m_roots) {
        for (const std::string& name : folderEntries(root.folder, EntryKind::Folders)) {
            if (!listed(name))
                entries.push_back({name, joinPath(root.folder, name), root.origin});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const ThemeEntry& a, const ThemeEntry& b) {
        return naturallyBefore(displayName(a.name), displayName(b.name));
    });
    return entries;
}

std::optional<ThemeEntry> ThemeLocations::findTheme(const std::string& name) const
{
    for (const ThemeEntry& entry : m_named) {
        if (entry.name == name)
            return entry;
    }
    if (!isThemeName(name))
        return std::nullopt;
    for (const Root& root : m_roots) {
        const std::string folder = joinPath(root.folder, name);
        if (isFolder(folder))
            return ThemeEntry{name, folder, root.origin};
    }
    return std::nullopt;
}

std::string ThemeLocations::themeFolder(const std::string& name) const
{
    if (const std::optional<ThemeEntry> entry = findTheme(name))
        return entry->folder;
    return joinPath(m_portable ? m_programFolder : userThemeFolder(), name);
}

std::string ThemeLocations::userThemeFolder() const
{
    return m_portable ? m_programFolder : joinPath(m_dataHome, kThemesUnderData);
}

ScoreFilePlace ThemeLocations::scoreFile(const std::string& name) const
{
    const std::optional<ThemeEntry> entry = findTheme(name);
    const std::string folder = entry ? entry->folder : themeFolder(name);
    const std::string beside = findInFolder(folder, ThemeFiles::kHighScores);
    if (!entry || entry->origin == ThemeOrigin::ProgramFolder || entry->origin == ThemeOrigin::UserFolder)
        return {beside, {}};
    // A folder named on the command line keeps its own table where the user may write it.
    if (entry->origin == ThemeOrigin::Named && ::access(folder.c_str(), W_OK) == 0)
        return {beside, {}};
    // Installed themes are never written to, whoever runs the program: the user's copy of the table starts from
    // the one shipped with the theme.
    return {joinPath(joinPath(joinPath(m_dataHome, kScoresUnderData), entry->name), ThemeFiles::kHighScores), beside};
}
