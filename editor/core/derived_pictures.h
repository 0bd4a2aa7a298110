#pragma once

struct Workspace;

// The pictures the editor derives from an object's picture or the container box's picture.

// Object `index` gets a freshly drawn default tube sized for its picture (a cyan U and its mask). The tube's
// position stays until the next button release on the canvas places it around the object.
void drawDefaultTube(Workspace& workspace, int index);

// Object `index` gets a mask derived from its picture, keyed on the colour of the picture's top-left pixel.
void deriveObjectMask(Workspace& workspace, int index);

// The container box gets a mask derived from its picture the same way.
void deriveBoxMask(Workspace& workspace);
