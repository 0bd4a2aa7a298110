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
    // A theme archive or folder to add to the user's themes, without a window; empty when none.
    std::string themeToAdd;
    bool replaceTheme = false;  // a theme of the same name is replaced instead of refusing the new one
};

// Reads the game's command line: --theme NAME, --theme-folder DIR, --no-scores, --add-theme FILE [--replace],
// --help, --version.
std::variant<GameStart, CommandLineExit> readGameCommandLine(const QStringList& arguments, const std::string& version);
