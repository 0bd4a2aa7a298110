#pragma once

#include <optional>
#include <string>

struct ThemeDescription;

// The name the description dialog offers a theme that was never saved.
inline const std::string kInitialThemeName = "My theme";

// The description box holds at most this many characters, a line break counting as two (CR LF).
constexpr int kMaxDescriptionLength = 255;

// Why the entries of the theme description dialog cannot be saved, or nothing when they can. The name becomes a
// theme's folder and keeps the rules of such names (theme_name_rules.h). The description and the date line are
// written as quoted records, which cannot hold a double quote.
std::optional<std::string> themeDescriptionProblem(const ThemeDescription& description);
