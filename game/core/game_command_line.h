#pragma once

#include <QStringList>
#include <string>
#include <variant>

#include "command_line.h"

// What the game is asked to start on.
struct GameStart {
    std::string theme;        // the theme's name; "Theme1" unless told otherwise
    std::string themeFolder;  // a theme folder to start on instead, empty when none was named
    bool noScores = false;    // the score tables live in memory only
};

// Reads the game's command line: --theme NAME, --theme-folder DIR, --no-scores, --help, --version.
std::variant<GameStart, CommandLineExit> readGameCommandLine(const QStringList& arguments, const std::string& version);
