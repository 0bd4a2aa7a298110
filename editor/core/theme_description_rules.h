#pragma once

#include <optional>
#include <string>

struct ThemeDescription;

// The name the description dialog offers a theme that was never saved.
inline const std::string kInitialThemeName = "My theme";

// The description box holds at most this many characters, a line break counting as two (CR LF).
constexpr int kMaxDescriptionLength = 255;

// Why the entries of the theme description dialog cannot be saved, or nothing when they can. The name becomes a
// folder directly under the program folder, also where themes are shared with Windows: it may not be empty,
// "." or "..", be longer than 255 bytes, end in a blank or a dot, or hold a control character or any of < > : " / \ | ?
// *. The description and the date line are written as quoted records, which cannot hold a double quote.
std::optional<std::string> themeDescriptionProblem(const ThemeDescription& description);
