#pragma once

#include <string>
#include <vector>

#include "theme_package.h"

// Writes one shipped theme into its folder under the program folder: the package, the four sound cues and,
// only when the folder has none yet, a default high-score table (an existing one holds the players' scores).
// Returns one message per file that could not be written.
std::vector<std::string> writeShippedTheme(const std::string& programFolder, const std::string& name,
                                           const ThemePackage& package);
