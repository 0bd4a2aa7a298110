#pragma once

#include <string>
#include <vector>

// The names of the folders directly under `programFolder`, every one a candidate theme whatever it holds,
// in natural order ignoring letter case ("Theme2" before "Theme10"). Folders whose names begin with "."
// are hidden on this platform and left out.
std::vector<std::string> listThemeFolders(const std::string& programFolder);
