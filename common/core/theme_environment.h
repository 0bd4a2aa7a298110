#pragma once

#include <string>

// What decides where themes are found and where scores and saves go, as plain values, so that the rules can
// be tried on any environment without changing the real one.
struct ThemeEnvironment {
    std::string programFolder;  // the folder that holds the running executable
    std::string home;           // $HOME
    std::string dataHome;       // $XDG_DATA_HOME, empty when unset
    std::string dataDirs;       // $XDG_DATA_DIRS, folders separated by ':', empty when unset
};

// The environment of this process, for a program whose executable lies in `programFolder`.
ThemeEnvironment processThemeEnvironment(const std::string& programFolder);
