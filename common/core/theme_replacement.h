#pragma once

#include <optional>
#include <string>

class ThemeLocations;
struct ThemePackage;

// What a score table moved aside adds to its name.
inline const std::string kOutdatedScoresSuffix = ".old";

// The question to ask before a save under `name` goes where a theme of that name is: the user's own theme folder
// (beside a portable program) holds one, which the save replaces, or one installed with the programs has the name,
// which is never replaced but hidden by the user's. Nothing when no theme has that name.
std::optional<std::string> replaceQuestion(const ThemeLocations& themes, const std::string& name);

// Before a save replaces the theme in `folder`: its score table stays only when the theme's objects stay what
// they were, as many and with the same pictures, masks and tubes. Otherwise its times were made on another theme,
// and the table is moved aside as "HighScores.ini.old" (replacing an older one). Nothing when that is done, or
// nothing needed doing; otherwise why the table could not be moved.
std::optional<std::string> setAsideOutdatedScores(const std::string& folder, const ThemePackage& replacement);
