#pragma once

#include <optional>
#include <string>

class Prompts;
class ThemeLocations;

// The theme chooser over every theme the locations know: the folders beside a portable program, or the merged
// list of names of an installed one, starting on `currentTheme`. The picked name, or nothing when cancelled.
std::optional<std::string> askForTheme(Prompts& prompts, const ThemeLocations& locations,
                                       const std::string& currentTheme);
