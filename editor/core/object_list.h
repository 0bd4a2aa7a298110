#pragma once

#include <optional>
#include <string>

// The object list: one row per object, row i for object i, each with an option button captioned "Object " and
// i + 1, a thumbnail of the object's picture, and X and Y labels showing the object's position.
//
// The mark of the option buttons moves only with a click on a row, a new picture, New and start-up; selecting an
// object from a theme load does not move it.
struct ObjectList {
    int rows = 1;
    std::optional<int> marked;
    // The list panel's height in pixels, set by a theme load and by New Object, kept by New.
    double panelHeight = 0;
};

std::string rowCaption(int row);

// Removes every row but the first, then adds rows until there is one per object.
void rebuildObjectList(ObjectList& list, int objectCount);

// Removes every row but the first.
void trimListToFirstRow(ObjectList& list);
