#pragma once

#include <optional>
#include <string>
#include <vector>

#include "theme_environment.h"

// Where a theme was found. A portable program keeps its themes beside it; an installed one finds them in the
// user's theme folder, among the themes installed with it, in the system's data folders, or in a folder named on
// its command line.
enum class ThemeOrigin { ProgramFolder, UserFolder, Shipped, SystemData, Named };

struct ThemeEntry {
    std::string name;    // what the chooser shows, and the theme's name in captions and score folders
    std::string folder;  // the theme's own folder
    ThemeOrigin origin;
};

// Where a theme's score table is read and written. `path` is the table; until it exists, the table starts from
// `startingPath` (the table shipped with the theme) when that is not empty.
struct ScoreFilePlace {
    std::string path;
    std::string startingPath;
};

// The one answer to "which folders hold themes, in which order, which folder a theme name means, where its
// scores go and where a saved theme goes", for both programs and their choosers.
//
// Portable layout: the program folder holds a folder "Theme1". Themes, their scores and saved themes all live in
// the program folder.
// Installed layout: the program folder holds no "Theme1". Themes are found first in the user's theme folder
// ($XDG_DATA_HOME/vantor/themes), then in ../share/vantor/themes beside the executable's folder, then in every
// $XDG_DATA_DIRS entry's vantor/themes; the first theme of a name hides later ones. Saves go to the user's theme
// folder, and scores of a theme that is not the user's own go to $XDG_DATA_HOME/vantor/scores/<name>, so nothing
// is ever written where the programs are installed.
class ThemeLocations {
public:
    // Decides the layout by looking for "Theme1" in the program folder, once.
    explicit ThemeLocations(const ThemeEnvironment& environment);
    // The portable layout over `programFolder`, whatever it holds.
    static ThemeLocations portable(const std::string& programFolder);

    bool isPortable() const { return m_portable; }
    // Portable, and no folder named on the command line: every theme is a folder beside the program.
    bool listsOnlyProgramFolder() const { return m_portable && m_named.empty(); }
    const std::string& programFolder() const { return m_programFolder; }

    // The folders searched for themes, in order, each once.
    std::vector<std::string> themeRoots() const;

    // Adds a theme folder named on the command line. It comes before every other, under its folder's name.
    // Returns that name.
    std::string addNamedFolder(const std::string& folder);

    // Every theme, one per name, in natural order of names; each subfolder of a root counts, whatever it holds.
    std::vector<ThemeEntry> listThemes() const;
    // The theme of that name, or nothing when no root holds a folder of that name (or the name is not one
    // folder's name).
    std::optional<ThemeEntry> findTheme(const std::string& name) const;
    // The folder a theme name means: where it was found, otherwise where a new theme of that name would go.
    std::string themeFolder(const std::string& name) const;

    // Where the user's own themes live and the editor saves.
    std::string userThemeFolder() const;
    // Where the score table of theme `name` is kept.
    ScoreFilePlace scoreFile(const std::string& name) const;

private:
    struct Root {
        std::string folder;
        ThemeOrigin origin;
    };

    ThemeLocations(const ThemeEnvironment& environment, bool portable);
    void addRoot(const std::string& folder, ThemeOrigin origin);

    std::string m_programFolder;
    bool m_portable;
    std::string m_dataHome;
    std::vector<Root> m_roots;
    // Folders named on the command line, searched first.
    std::vector<ThemeEntry> m_named;
};
