#pragma once

#include <string>
#include <vector>

#include "theme_package.h"

struct ThemeDescription;
struct Workspace;

// The workspace as a theme package: every object with its positions and four pictures, the background as it
// was loaded or chosen, the container box, and the description's two texts.
ThemePackage packageOf(const Workspace& workspace, const ThemeDescription& description);

// Writes the workspace into the theme folder named by the description, directly under `themesFolder`: every
// file to a temporary name first, then renamed into place. Files of higher object indices from an earlier save
// stay. Returns one line for every file that could not be written.
std::vector<std::string> saveTheme(const std::string& themesFolder, const Workspace& workspace,
                                   const ThemeDescription& description);
