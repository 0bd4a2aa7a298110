#include "icon_shapes.h"

namespace {

const QColor kInk(40, 48, 66);
const QColor kSky(120, 190, 235);
const QColor kTubeGrey(150, 160, 172);
const QColor kObjectRed(214, 58, 52);
const QColor kBoxBrown(170, 112, 58);
const QColor kPaper(250, 248, 240);
const QColor kPencilYellow(242, 190, 48);
const QColor kPencilWood(236, 206, 160);

IconShape roundedRect(double left, double top, double right, double bottom, double radius, QColor fill,
                      QColor outline = QColor(), double outlineWidth = 0)
{
    return {IconShape::Kind::RoundedRect, {{left, top}, {right, bottom}}, radius, fill, outline, outlineWidth};
}

IconShape circle(double x, double y, double radius, QColor fill, QColor outline = QColor(), double outlineWidth = 0)
{
    return {IconShape::Kind::Circle, {{x, y}}, radius, fill, outline, outlineWidth};
}

IconShape polygon(std::vector<QPointF> corners, QColor fill, QColor outline = QColor(), double outlineWidth = 0)
{
    return {IconShape::Kind::Polygon, std::move(corners), 0, fill, outline, outlineWidth};
}

// A U-shaped tube open at the top, its walls `wall` thick, and an object leaving it upwards; the box at the
// right. Drawn into the square from `left`, `top` to `left + size`, `top + size`.
void addScene(IconPicture& picture, double left, double top, double size)
{
    const auto at = [&](double x, double y) { return QPointF(left + x * size, top + y * size); };
    const double wall = 0.07 * size;
    const QPointF tubeTopLeft = at(0.08, 0.42);
    const QPointF tubeBottomRight = at(0.42, 0.94);
    picture.push_back(polygon({tubeTopLeft,
                               {tubeTopLeft.x() + wall, tubeTopLeft.y()},
                               {tubeTopLeft.x() + wall, tubeBottomRight.y() - wall},
                               {tubeBottomRight.x() - wall, tubeBottomRight.y() - wall},
                               {tubeBottomRight.x() - wall, tubeTopLeft.y()},
                               {tubeBottomRight.x(), tubeTopLeft.y()},
                               tubeBottomRight,
                               {tubeTopLeft.x(), tubeBottomRight.y()}},
                              kTubeGrey, kInk, 0.02 * size));
    const QPointF object = at(0.25, 0.3);
    picture.push_back(circle(object.x(), object.y(), 0.12 * size, kObjectRed, kInk, 0.02 * size));
    const QPointF boxTopLeft = at(0.56, 0.58);
    const QPointF boxBottomRight = at(0.94, 0.94);
    picture.push_back(roundedRect(boxTopLeft.x(), boxTopLeft.y(), boxBottomRight.x(), boxBottomRight.y(), 0.03 * size,
                                  kBoxBrown, kInk, 0.02 * size));
    // The path the object takes: from the tube's mouth over to the box.
    for (double t : {0.45, 0.6, 0.75}) {
        const QPointF dot = at(0.25 + t * 0.6 - 0.12, 0.22 + (t - 0.6) * (t - 0.6) * 2.0);
        picture.push_back(circle(dot.x(), dot.y(), 0.025 * size, kInk));
    }
}

}  // namespace

IconPicture gameIcon()
{
    IconPicture picture = {roundedRect(8, 8, 248, 248, 44, kSky, kInk, 6)};
    addScene(picture, 24, 24, 208);
    return picture;
}

IconPicture editorIcon()
{
    IconPicture picture = {roundedRect(8, 8, 248, 248, 44, kPaper, kInk, 6)};
    picture.push_back(roundedRect(28, 28, 228, 228, 10, kSky));
    addScene(picture, 36, 36, 184);
    // A pencil from the bottom right towards the object.
    picture.push_back(polygon({{236, 150}, {252, 166}, {150, 236}, {134, 220}}, kPencilYellow, kInk, 5));
    picture.push_back(polygon({{134, 220}, {150, 236}, {112, 250}}, kPencilWood, kInk, 5));
    return picture;
}
