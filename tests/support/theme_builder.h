#pragma once

#include <string>

#include "surface.h"
#include "theme_package.h"

// Small crafted themes for tests.

// A w x h picture of one colour and its mask, solid everywhere.
void makeSolidObject(ThemeObject& object, int w, int h, Rgb colour);

// A U-shaped tube around an object of w x h, 5-pixel walls, as the shipped themes draw it.
void makeTube(ThemeObject& object, int objectW, int objectH);

// A package of `count` square objects of side `side`, standing at rest in their tubes in a row along the
// bottom of a `width` x `height` background, and a container box at the top right.
ThemePackage makeRowTheme(int count, int side = 10, int width = 200, int height = 120);

// Writes the package as theme `name` under `programFolder`; fails the test if any file cannot be written.
void writeTheme(const std::string& programFolder, const std::string& name, const ThemePackage& package);
