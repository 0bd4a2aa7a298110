#pragma once

#include <optional>
#include <string>

class ThemeLocations;

// Writes theme `name`, as `locations` find it, into a zip archive at `archivePath`: one top folder named after the
// theme holding the files of its package as the editor writes them and its sound cues, and nothing else (no score
// table). A theme that cannot be loaded is not exported. The reason on failure.
std::optional<std::string> exportTheme(const ThemeLocations& locations, const std::string& name,
                                       const std::string& archivePath);
