#pragma once

#include <string>

// The version as the About window shows it: major, minor with at least two digits, revision with at least
// four; 1.0.0 reads "1.00.0000".
std::string versionText(int major, int minor, int revision);
