#pragma once

#include <optional>
#include <string>
#include <vector>

// The object list: one row per object, row i for object i, each with an option button captioned "Object "
// and i + 1, a thumbnail of the object's picture, and X and Y labels.
//
// The labels show an object's position only as a drag leaves it: selecting, adding an object or loading a
// theme does not refresh them, and a new row starts with the first row's texts. The mark of the option buttons
// moves only with a click on a row, a new picture, New and start-up; selecting an object from a theme load
// does not move it.
struct RowLabels {
    std::string x = "0";
    std::string y = "0";
};

struct ObjectList {
    std::vector<RowLabels> labels = std::vector<RowLabels>(1);
    std::optional<int> marked;
    // The list panel's height in pixels, set by a theme load and by New Object, kept by New.
    double panelHeight = 0;

    int rows() const { return static_cast<int>(labels.size()); }
};

std::string rowCaption(int row);

// Removes every row but the first, then adds rows until there is one per object.
void rebuildObjectList(ObjectList& list, int objectCount);
// Adds a row, labelled like the first.
void addListRow(ObjectList& list);
// Removes every row but the first.
void trimListToFirstRow(ObjectList& list);
