#pragma once

#include "theme_package.h"
#include "theme_plan.h"

// The mask of a picture drawn on white: black wherever the picture is not pure white, white elsewhere.
Surface maskOfPicture(const Surface& picture);

// Draws every picture of the plan and places each object at rest in its default tube.
ThemePackage buildThemePackage(const ThemePlan& plan);
