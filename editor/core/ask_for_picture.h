#pragma once

#include <functional>
#include <optional>
#include <string>

#include "picture_limits.h"
#include "surface.h"

class Prompts;

// Why the workspace could not take a picture of this size, or nothing when it can.
using PictureFit = std::function<std::optional<std::string>(const PictureSize& size)>;

// Shows the picture-open dialog and loads the chosen file. Nothing when the user cancels, when the file cannot be
// read as a picture, or when `fit` refuses its size: the user is then told which file and why.
std::optional<Surface> askForPicture(Prompts& prompts, const PictureFit& fit);
