#pragma once

#include <optional>
#include <string>

// Why `name` cannot be the name of a theme's folder, or nothing when it can. Themes are shared with Windows too,
// so a name may not be empty, "." or "..", be longer than 255 bytes, end in a blank or a dot, or hold a control
// character or any of < > : " / \ | ? *. The same rules hold for the names of the files in a theme folder.
std::optional<std::string> themeNameProblem(const std::string& name);
