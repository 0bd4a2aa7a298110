#pragma once

#include <functional>
#include <string>

#include "result.h"

class ThemeLocations;

// Asked when a theme of that name is there already: whether to replace it. `installed` tells that the theme there
// was installed with the game: it is never changed, and the new theme of the user's hides it.
using ReplaceQuestion = std::function<bool(const std::string& name, bool installed)>;

// What became of a theme offered to be added.
struct ThemeAddition {
    std::string name;
    bool added = false;  // false when the user would not replace the theme there already
};

// Adds the theme in `source` (a zip archive of one theme folder, or a theme folder) to the user's themes. It is
// unpacked or copied into a hidden temporary folder inside the user's theme folder and read there with the game's
// reader and picture limits; only when it reads whole is it renamed into place. A refused theme leaves nothing
// behind. A replaced theme of the user's keeps its score table while its objects stay the same, as a save that
// replaces a theme does; otherwise the table is kept beside as "HighScores.ini.old", since its times were made on
// other objects.
Result<ThemeAddition> addTheme(const std::string& source, const ThemeLocations& locations,
                               const ReplaceQuestion& mayReplace);

// What a file dialog offers to add: a theme's archive, or a theme folder by its Theme.ini, since a dialog that
// picks files does not pick folders.
extern const char* const kSharedThemeFilter;

// The source to add for the path picked in a dialog offering `kSharedThemeFilter`: the folder of a Theme.ini,
// anything else as it is.
std::string sharedThemeSource(const std::string& picked);
