#pragma once

#include <optional>
#include <string>

#include "prompts.h"

class ThemeLocations;
struct Workspace;

// True, after telling the user under `title`, when the workspace's pictures break the limits every reader of a
// theme keeps, so that the theme cannot be `done` ("saved", "played") and nothing is written.
bool refusedByLimits(const Workspace& workspace, Prompts& prompts, const std::string& title, const std::string& done);

// What Save Theme did: the name and texts it wrote the theme under (nothing when it wrote nothing), and whether it
// wrote every file.
struct SaveOutcome {
    std::optional<ThemeDescription> savedAs;
    bool whole = false;
};

// Save Theme: the description dialog, opened on the workspace's own texts when it has them, then the workspace
// written into the user's theme folder. A workspace past the readers' limits is refused before the dialog; Cancel,
// or an empty date line, ends it with "Save aborted" before anything is written. A name that is a theme already
// asks whether to replace it; No returns to the dialog with what was typed. A replaced theme keeps its score
// table only when its objects stayed the same. Files that could not be written are named in one message.
SaveOutcome saveThemeAsking(const Workspace& workspace, const ThemeLocations& themes, Prompts& prompts);
