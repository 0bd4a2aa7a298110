#pragma once

#include <optional>

#include "surface.h"

class Prompts;

// Shows the picture-open dialog and loads the chosen file. Nothing when the user cancels, or when the file
// cannot be read as a picture: the user is then told which file and why.
std::optional<Surface> askForPicture(Prompts& prompts);
