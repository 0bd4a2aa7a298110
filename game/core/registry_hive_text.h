#pragma once

#include <string>
#include <string_view>

#include "registry_hive.h"

// Reads the registry's export text ("REGEDIT4"). Lenient: a line that cannot be read is skipped, and so are
// the values of a section that cannot be read; a text without the header is an empty hive.
Hive parseHive(RootKey root, std::string_view text);

// Writes the export text: the header line, a blank line, then each key as a section line followed by its
// values and a blank line. LF line ends.
std::string serialiseHive(const Hive& hive);
