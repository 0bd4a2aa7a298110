#pragma once

#include <string>

#include "result.h"
#include "theme_package.h"

// How a theme folder failed to load: its required text files are missing, or it is damaged in another way.
enum class ThemeLoadProblem { MissingTextFile, Damaged };

struct ThemeLoadError {
    ThemeLoadProblem problem;
    std::string message;  // names the file, the line where there is one, and the reason
};

using ThemeReadResult = Result<ThemePackage, ThemeLoadError>;

// Reads the whole package of theme `name` under `programFolder`: positions, pictures, container box,
// details and sound paths. Either every part loaded or the first problem is returned, so a caller can
// replace its state only when the load fully succeeded.
ThemeReadResult readThemePackage(const std::string& programFolder, const std::string& name);

// The same for the theme `name` whose folder is `folder`.
ThemeReadResult readThemeFolder(const std::string& folder, const std::string& name);

// The error of a theme that no folder holds: like a folder without its text files.
ThemeLoadError missingTheme(const std::string& name);

// The folder of theme `name`.
std::string themeFolder(const std::string& programFolder, const std::string& name);
