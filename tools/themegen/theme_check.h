#pragma once

#include <string>
#include <vector>

#include "theme_package.h"

// What must hold for a theme we ship, one message per fault found (none when the theme is sound):
// every mask is black exactly where its picture is not white; every object starts at its resting place,
// which together with its tube and the container box lies wholly on the background; no object touches its
// tube there; tubes and box stand apart; masks stay within the size the game's wall test covers.
std::vector<std::string> checkShippedTheme(const ThemePackage& package);

// The differences between the package we wrote and the one read back from its files.
std::vector<std::string> compareWithWritten(const ThemePackage& written, const ThemePackage& readBack);
