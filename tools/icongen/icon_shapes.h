#pragma once

#include <QColor>
#include <QPointF>
#include <vector>

// An icon as a list of flat shapes on a 256 x 256 square, drawn in order, so that the same description gives the
// pictures at every size and the scalable SVG.
constexpr double kIconUnits = 256.0;

struct IconShape {
    enum class Kind { RoundedRect, Circle, Polygon };
    Kind kind;
    std::vector<QPointF> points;  // RoundedRect: top-left and bottom-right; Circle: centre; Polygon: corners
    double radius = 0;            // corner radius, or the circle's radius
    QColor fill;
    QColor outline;  // invalid: none
    double outlineWidth = 0;
};

using IconPicture = std::vector<IconShape>;

// The game's icon: an object lifted out of its tube towards the container box.
IconPicture gameIcon();
// The editor's icon: the same scene on a canvas, with a pencil placing the object.
IconPicture editorIcon();
