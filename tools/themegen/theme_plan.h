#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "object_shape.h"

// One object as a theme plan places it: its figure and size, and where its tube stands. The tube's
// bottom-left corner is (tubeLeft, tubeBase); the object rests inside it on the floor.
struct PlannedObject {
    ObjectShape shape;
    int width;
    int height;
    int tubeLeft;
    int tubeBase;
};

// Every shipped theme carries the same fixed date line, so that a rebuild writes the same bytes.
inline const std::string kShippedDateLine = "On the 6 December 2026";

enum class BoxStyle { Basket, Toolbox };

// Everything that makes one shipped theme, before any picture is drawn into a package.
struct ThemePlan {
    std::string name;
    QImage background;
    std::vector<PlannedObject> objects;
    BoxStyle boxStyle;
    int boxWidth;
    int boxHeight;
    int boxX;
    int boxY;
    std::string description;
    std::string dateLine;
};
