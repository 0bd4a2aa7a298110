#pragma once

#include <string>

#include "result.h"

// Reads one of the small text files of a theme or score table and decodes it to UTF-8. Files larger than
// any such file could honestly be are refused, so a wrong file cannot make us read without bound.
Result<std::string> readTextFile(const std::string& path);
