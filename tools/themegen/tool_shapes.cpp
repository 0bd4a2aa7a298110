#include "tool_shapes.h"

#include <QPainter>
#include <QtMath>

#include "figure_paint.h"

// Coordinates run to w - 1 and h - 1 so that the outline's last pixels still lie inside the picture.
// Holes are left white: they are transparent, and the background shows through them in the game.

namespace {

const QColor kSteel(150, 160, 172);
const QColor kSteelEdge(52, 58, 68);
const QColor kBrass(214, 166, 52);
const QColor kBrassEdge(110, 74, 10);

QPainterPath ellipse(const QRectF& area)
{
    QPainterPath path;
    path.addEllipse(area);
    return path;
}

QPainterPath rect(const QRectF& area)
{
    QPainterPath path;
    path.addRect(area);
    return path;
}

QRectF around(const QPointF& centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

}  // namespace

void paintNut(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QPointF centre(x / 2, y / 2);
    const double hole = std::min(x, y) * 0.22;
    const QPainterPath body = fractionPolygon({{0, 0.5}, {0.25, 0}, {0.75, 0}, {1, 0.5}, {0.75, 1}, {0.25, 1}}, x, y)
                                  .subtracted(ellipse(around(centre, hole)));
    fillFigure(painter, body, verticalShade(kSteel, QRectF(0, 0, x, y)), kSteelEdge);

    // The chamfer around the hole and the thread just inside it.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(lightened(kSteel, 0.6), 1));
    painter.drawEllipse(around(centre, std::min(x, y) * 0.4));
    painter.setPen(QPen(kSteelEdge, 1));
    painter.drawEllipse(around(centre, hole + 1));
}

void paintWasher(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QRectF area(0, 0, x, y);
    const QPainterPath ring = ellipse(area).subtracted(ellipse(around(area.center(), std::min(x, y) * 0.22)));
    fillFigure(painter, ring, roundShade(kBrass, area), kBrassEdge);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(lightened(kBrass, 0.5), 1));
    painter.drawEllipse(around(area.center(), std::min(x, y) * 0.36));
}

void paintGear(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QPointF centre(x / 2, y / 2);
    const double outer = std::min(x, y) / 2;
    const double root = outer * 0.76;
    const int teeth = 9;
    const double pitch = 360.0 / teeth;
    QPolygonF rim;
    auto at = [&](double degrees, double radius) {
        const double a = qDegreesToRadians(degrees);
        return centre + QPointF(radius * qCos(a), radius * qSin(a));
    };
    for (int i = 0; i < teeth; ++i) {
        const double a = i * pitch - 90;
        rim << at(a - 0.32 * pitch, root) << at(a - 0.17 * pitch, outer) << at(a + 0.17 * pitch, outer)
            << at(a + 0.32 * pitch, root);
    }
    QPainterPath wheel;
    wheel.addPolygon(rim);
    wheel.closeSubpath();
    wheel = wheel.subtracted(ellipse(around(centre, outer * 0.26)));
    const QColor bronze(200, 112, 40);
    fillFigure(painter, wheel, roundShade(bronze, QRectF(0, 0, x, y)), QColor(96, 44, 8));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 74, 20), 1));
    painter.drawEllipse(around(centre, outer * 0.55));
}

void paintBolt(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double headH = y * 0.22;
    const double shankW = x * 0.6;
    const double shankX = (x - shankW) / 2;

    // The hexagonal head seen from the side shows three faces.
    const QRectF head(0, 0, x, headH);
    fillFigure(painter, rect(head), verticalShade(kSteel, head), kSteelEdge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSteel.darker(130));
    painter.drawRect(QRectF(1, 1, x * 0.22, headH - 1));
    painter.drawRect(QRectF(x - x * 0.22, 1, x * 0.22 - 1, headH - 1));

    const QPainterPath shank = fractionPolygon({{shankX / x, headH / y},
                                                {(shankX + shankW) / x, headH / y},
                                                {(shankX + shankW) / x, 0.95},
                                                {(shankX + shankW - 2) / x, 1},
                                                {(shankX + 2) / x, 1},
                                                {shankX / x, 0.95}},
                                               x, y);
    QLinearGradient across(shankX, 0, shankX + shankW, 0);
    across.setColorAt(0, kSteel.darker(140));
    across.setColorAt(0.4, lightened(kSteel, 0.55));
    across.setColorAt(1, kSteel.darker(160));
    fillFigure(painter, shank, across, kSteelEdge);

    painter.setPen(QPen(kSteelEdge, 1));
    for (double ty = headH + 4; ty < y - 3; ty += 4)
        painter.drawLine(QPointF(shankX + 1, ty + 2), QPointF(shankX + shankW - 1, ty));
}

void paintKey(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double bowR = y / 2;
    const QPointF bowCentre(bowR, y / 2);
    const double shaftH = y * 0.26;
    const double shaftTop = y / 2 - shaftH / 2;
    QPainterPath key = ellipse(around(bowCentre, bowR));
    key = key.united(rect(QRectF(bowR, shaftTop, x - bowR, shaftH)));
    // The bit: two teeth hanging below the shaft towards the tip.
    key = key.united(rect(QRectF(x - y * 0.55, shaftTop, y * 0.22, y * 0.78 - shaftTop)));
    key = key.united(rect(QRectF(x - y * 0.22, shaftTop, y * 0.22, y * 0.68 - shaftTop)));
    key = key.subtracted(ellipse(around(bowCentre, bowR * 0.42)));
    fillFigure(painter, key, verticalShade(kBrass, QRectF(0, 0, x, y)), kBrassEdge);

    painter.setPen(QPen(kBrassEdge, 1));
    painter.drawLine(QPointF(bowR * 2 + 1, y / 2), QPointF(x - y * 0.7, y / 2));
}

void paintWrench(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double jawR = y / 2;
    const QPointF jawCentre(x - jawR, y / 2);
    const double ringR = y * 0.42;
    const QPointF ringCentre(ringR, y / 2);
    const double handleH = y * 0.36;

    QPainterPath wrench = ellipse(around(jawCentre, jawR));
    wrench = wrench.united(ellipse(around(ringCentre, ringR)));
    wrench = wrench.united(rect(QRectF(ringR, (y - handleH) / 2, x - jawR - ringR, handleH)));
    // The open jaw faces right; the ring end closes round a nut.
    const double gap = y * 0.36;
    wrench = wrench.subtracted(rect(QRectF(jawCentre.x() - jawR * 0.2, (y - gap) / 2, x, gap)));
    wrench = wrench.subtracted(ellipse(around(ringCentre, ringR * 0.48)));
    fillFigure(painter, wrench, verticalShade(QColor(170, 178, 190), QRectF(0, 0, x, y)), kSteelEdge);

    painter.setPen(QPen(lightened(kSteel, 0.7), 1));
    painter.drawLine(QPointF(ringR * 2 + 2, (y - handleH) / 2 + 2), QPointF(x - jawR * 2, (y - handleH) / 2 + 2));
}

void paintHammer(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double handleW = x * 0.24;
    const QRectF handle((x - handleW) / 2, y * 0.22, handleW, y * 0.78);
    QLinearGradient wood(handle.left(), 0, handle.right(), 0);
    wood.setColorAt(0, QColor(150, 92, 40));
    wood.setColorAt(0.4, QColor(222, 168, 100));
    wood.setColorAt(1, QColor(128, 74, 30));
    fillFigure(painter, rect(handle), wood, QColor(80, 44, 14));
    const QRectF grip(handle.left(), y * 0.72, handleW, y * 0.28);
    fillFigure(painter, rect(grip), verticalShade(QColor(200, 40, 36), grip), QColor(96, 14, 12));

    // Head: the striking face on the left, the claw tapering to the right.
    const QPainterPath head = fractionPolygon(
        {{0, 0.02}, {0.16, 0}, {0.62, 0.03}, {1, 0.0}, {0.92, 0.16}, {0.62, 0.27}, {0.16, 0.3}, {0, 0.28}}, x, y);
    fillFigure(painter, head, verticalShade(QColor(96, 104, 118), QRectF(0, 0, x, y * 0.3)), QColor(30, 34, 42));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 76, 88));
    painter.drawRect(QRectF(1, 1, x * 0.12, y * 0.27));
}

void paintScrewdriver(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QRectF handle(0, 0, x, y * 0.46);
    QPainterPath grip;
    grip.addRoundedRect(handle, x * 0.3, x * 0.3);
    const QColor plastic(230, 150, 20);
    QLinearGradient across(0, 0, x, 0);
    across.setColorAt(0, plastic.darker(140));
    across.setColorAt(0.35, lightened(plastic, 0.5));
    across.setColorAt(1, plastic.darker(170));
    fillFigure(painter, grip, across, QColor(120, 64, 0));
    painter.setPen(QPen(QColor(150, 84, 0), 1));
    for (double gx = x * 0.3; gx < x * 0.8; gx += x * 0.22)
        painter.drawLine(QPointF(gx, y * 0.06), QPointF(gx, y * 0.4));

    const double shaftW = std::max(3.0, x * 0.24);
    const QPainterPath shaft = fractionPolygon({{(x - shaftW) / 2 / x, 0.46},
                                                {(x + shaftW) / 2 / x, 0.46},
                                                {(x + shaftW) / 2 / x, 0.9},
                                                {(x + shaftW * 1.4) / 2 / x, 1},
                                                {(x - shaftW * 1.4) / 2 / x, 1},
                                                {(x - shaftW) / 2 / x, 0.9}},
                                               x, y);
    QLinearGradient steel((x - shaftW) / 2, 0, (x + shaftW) / 2, 0);
    steel.setColorAt(0, kSteel.darker(130));
    steel.setColorAt(0.5, lightened(kSteel, 0.6));
    steel.setColorAt(1, kSteel.darker(150));
    fillFigure(painter, shaft, steel, kSteelEdge);
}

void paintSetSquare(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QPainterPath outer = fractionPolygon({{0, 0}, {1, 1}, {0, 1}}, x, y);
    const QPainterPath window = fractionPolygon({{0.2, 0.42}, {0.62, 0.82}, {0.2, 0.82}}, x, y);
    const QColor plastic(58, 176, 150);
    fillFigure(painter, outer.subtracted(window), verticalShade(plastic, QRectF(0, 0, x, y)), QColor(14, 84, 70));

    // Graduations along the bottom edge.
    painter.setPen(QPen(QColor(14, 84, 70), 1));
    for (int i = 1; x * i / 10 < x - 2; ++i) {
        const double tx = x * i / 10;
        painter.drawLine(QPointF(tx, y - 1), QPointF(tx, y - (i % 5 == 0 ? 5 : 3)));
    }
}

void paintLightning(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QPainterPath bolt =
        fractionPolygon({{0.52, 0}, {0.02, 0.58}, {0.42, 0.58}, {0.22, 1}, {0.98, 0.38}, {0.56, 0.38}, {0.9, 0}}, x, y);
    QLinearGradient shade(0, 0, x, y);
    shade.setColorAt(0, QColor(255, 240, 110));
    shade.setColorAt(0.5, QColor(255, 200, 20));
    shade.setColorAt(1, QColor(236, 120, 0));
    fillFigure(painter, bolt, shade, QColor(150, 70, 0));
}

void paintMagnet(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double leg = x * 0.32;
    const double bendY = y - x / 2;
    const QPointF bendCentre(x / 2, bendY);
    const QPainterPath outer = rect(QRectF(0, 0, x, bendY)).united(ellipse(around(bendCentre, x / 2)));
    const QPainterPath inner =
        rect(QRectF(leg, -1, x - 2 * leg, bendY + 1)).united(ellipse(around(bendCentre, x / 2 - leg)));
    const QPainterPath magnet = outer.subtracted(inner);
    const QColor red(214, 36, 36);
    fillFigure(painter, magnet, roundShade(red, QRectF(0, 0, x, y)), QColor(100, 10, 10));

    // Bare steel pole pieces at the two ends.
    const double poleH = y * 0.2;
    painter.save();
    painter.setClipPath(magnet);
    painter.fillRect(QRectF(0, 0, x + 1, poleH), verticalShade(kSteel, QRectF(0, 0, x, poleH)));
    painter.restore();
    painter.setPen(QPen(kSteelEdge, 1));
    painter.drawLine(QPointF(0, poleH), QPointF(leg, poleH));
    painter.drawLine(QPointF(x - leg, poleH), QPointF(x, poleH));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(magnet);
}

void paintCrescent(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QRectF disc(0, 0, x, y);
    const QPainterPath crescent = ellipse(disc).subtracted(ellipse(QRectF(x * 0.34, -y * 0.08, x, y * 0.92)));
    fillFigure(painter, crescent, roundShade(QColor(236, 196, 70), disc), kBrassEdge);
}
