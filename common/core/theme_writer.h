#pragma once

#include <string>
#include <vector>

#include "theme_package.h"

// Writes the package into `folder` (created when missing): per object its four bitmaps and the background,
// then "Theme.ini", then "Theme2.ini" with the container box's two bitmaps, then "ThemeDetails.ini".
// A step that fails is skipped and the rest is still written; every file that could not be written is
// reported, one message each. Files of higher object indices left from an earlier save are not touched.
std::vector<std::string> writeThemePackage(const std::string& folder, const ThemePackage& package);
