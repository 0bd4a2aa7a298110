#pragma once

#include <string>
#include <string_view>

// Theme and score files are UTF-8 when written here and Windows-1252 when made on Windows. Returns the text
// as UTF-8: valid UTF-8 as it stands (without a byte-order mark), anything else read as Windows-1252.
std::string decodeThemeText(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);
