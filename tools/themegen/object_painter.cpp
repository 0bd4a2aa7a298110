#include "object_painter.h"

#include <QPainter>

#include "tool_shapes.h"
#include "toy_shapes.h"

namespace {

using ShapePainter = void (*)(QPainter&, int, int);

ShapePainter painterFor(ObjectShape shape)
{
    switch (shape) {
        case ObjectShape::Ball:
            return paintBall;
        case ObjectShape::Star:
            return paintStar;
        case ObjectShape::Heart:
            return paintHeart;
        case ObjectShape::Diamond:
            return paintDiamond;
        case ObjectShape::Triangle:
            return paintTriangle;
        case ObjectShape::Cross:
            return paintCross;
        case ObjectShape::Nut:
            return paintNut;
        case ObjectShape::Washer:
            return paintWasher;
        case ObjectShape::Gear:
            return paintGear;
        case ObjectShape::Bolt:
            return paintBolt;
        case ObjectShape::Key:
            return paintKey;
        case ObjectShape::Wrench:
            return paintWrench;
        case ObjectShape::Hammer:
            return paintHammer;
        case ObjectShape::Screwdriver:
            return paintScrewdriver;
        case ObjectShape::SetSquare:
            return paintSetSquare;
        case ObjectShape::Lightning:
            return paintLightning;
        case ObjectShape::Magnet:
            return paintMagnet;
        case ObjectShape::Crescent:
            return paintCrescent;
    }
    return paintBall;
}

}  // namespace

QImage blankFigurePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage paintObject(ObjectShape shape, int width, int height)
{
    QImage picture = blankFigurePicture(width, height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painterFor(shape)(painter, width, height);
    return picture;
}
