#pragma once

#include <QStringList>
#include <string>
#include <variant>

#include "command_line.h"

// What the editor is asked to open: a theme folder, or nothing (empty) for the default theme.
struct EditorStart {
    std::string themeFolder;
};

// Reads the editor's command line: an optional theme folder, --help, --version. A file named instead of a folder
// (a file manager hands over the file that was opened) means the theme folder that holds it.
std::variant<EditorStart, CommandLineExit> readEditorCommandLine(const QStringList& arguments,
                                                                 const std::string& version);
