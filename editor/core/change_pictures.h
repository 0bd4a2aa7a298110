#pragma once

class Prompts;
struct Workspace;

// The commands that give the theme a new picture through the picture-open dialog. Each returns true when the
// workspace changed; a cancelled dialog, an unreadable file, or a picture that would put the theme's pictures past
// the limits every reader of a theme keeps (its default tube included) changes nothing.

// Object `index` gets the chosen picture, a default tube sized for it and a mask derived from it. Positions
// stay as they are.
bool changeObjectPicture(Workspace& workspace, int index, Prompts& prompts);

// The chosen picture becomes the background, and the canvas takes its size.
bool changeBackground(Workspace& workspace, Prompts& prompts);

// The chosen picture becomes the container box, with a mask derived from it. The box stays where it is.
bool changeContainer(Workspace& workspace, Prompts& prompts);
