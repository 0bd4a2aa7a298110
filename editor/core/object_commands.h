#pragma once

class Prompts;
struct ObjectList;
struct Workspace;

// New Object: a new last object that starts as a copy of object 1's four pictures, with a row of its own in
// the list. Its positions are whatever its slots last held. A theme holds at most 21 objects: with 21 the
// command is refused with a message, and false is returned; so it is when the copy would put the theme's pictures
// past the readers' limits.
bool newObject(Workspace& workspace, ObjectList& list, Prompts& prompts);

// New: every object but object 1 is removed, with its row; object 1, the background and the container box
// stay. Object 1 becomes current and its row is marked. The list panel keeps its height.
void newTheme(Workspace& workspace, ObjectList& list);
