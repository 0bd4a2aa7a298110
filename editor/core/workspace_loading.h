#pragma once

#include "theme_package.h"

struct Workspace;

// Puts a theme read from its folder into the workspace: positions, the four pictures of every object (their
// tubes as the theme has them), the background, with the canvas taking its size, the container box and its
// position. A package without objects leaves object 1, its positions, the background and the canvas as they
// were, and removes the other objects. The theme's name is not changed.
void applyThemePackage(Workspace& workspace, ThemePackage package);

// The workspace the editor starts with when it has no theme to load: a white background the canvas's size,
// one small object and a container box, drawn here.
ThemePackage starterTheme(int canvasWidth, int canvasHeight);
