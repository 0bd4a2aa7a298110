#pragma once

#include "surface.h"

// The tube the editor draws for an object that has no tube of its own: a cyan U open at the top, with
// walls and floor kDefaultTubeWall pixels thick, 14 pixels wider than the object and twice its height
// plus 2, so the object fits between the walls with room to be lifted out.
constexpr int kDefaultTubeWall = 5;
constexpr Rgb kDefaultTubeColour = rgb(0, 255, 255);

struct DefaultTube {
    Surface picture;  // the U in kDefaultTubeColour on white
    Surface mask;     // the same U in black on white
};

int defaultTubeWidth(int objectWidth);
int defaultTubeHeight(int objectHeight);

// The default tube for an object of the given size; negative sizes count as 0.
DefaultTube makeDefaultTube(int objectWidth, int objectHeight);
