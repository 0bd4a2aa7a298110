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
// stay. Object 1 becomes current and its row is marked. The list panel keeps its height. The workspace is no
// saved theme any more: its next save offers the description dialog's own texts.
void newTheme(Workspace& workspace, ObjectList& list);

// Delete Object: object `index` goes, with its row, its four pictures and its positions; the objects below it move
// up a row each, with their positions. The object above becomes current and marked; after the first, the new
// first. The last object left is never deleted: false then, and nothing changes.
bool deleteObject(Workspace& workspace, ObjectList& list, int index);
