#include "box_painter.h"

#include <QPainter>

#include "figure_paint.h"
#include "object_painter.h"

namespace {

// An open wicker basket seen slightly from above: the rim's ellipse shows the dark inside.
void paintBasket(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double rimH = y * 0.3;
    const QColor wicker(190, 134, 64);
    const QColor strand(120, 74, 28);

    const QPainterPath body = fractionPolygon(
        {{0.01, rimH / 2 / y}, {0.99, rimH / 2 / y}, {0.9, 0.96}, {0.84, 1}, {0.16, 1}, {0.1, 0.96}}, x, y);
    fillFigure(painter, body, strand, strand);

    // The weave: rows of rounded strands, each row shifted by half a stake, every strand lit from above.
    painter.save();
    painter.setClipPath(body);
    const double row = 7;
    const double stake = 12;
    int band = 0;
    for (double ry = rimH / 2; ry < y; ry += row, ++band) {
        for (double sx = (band % 2) * stake / 2 - stake; sx < x; sx += stake) {
            const QRectF cell(sx + 1, ry + 1, stake - 2, row - 2);
            painter.setPen(Qt::NoPen);
            painter.setBrush(verticalShade(wicker, cell));
            painter.drawRoundedRect(cell, 3, 3);
        }
    }
    painter.restore();
    painter.setPen(QPen(strand, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);

    const QRectF rim(0, 0, x, rimH);
    painter.setPen(QPen(strand, 1));
    painter.setBrush(verticalShade(wicker.darker(115), rim));
    painter.drawEllipse(rim);
    painter.setBrush(QColor(72, 42, 16));
    painter.drawEllipse(rim.adjusted(x * 0.05, rimH * 0.2, -x * 0.05, -rimH * 0.22));
}

// A red tool box seen from the front, its lid thrown back and a few tools sticking out of it.
void paintToolbox(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QColor red(200, 34, 30);
    const QColor edge(90, 10, 8);

    const QPainterPath lid = fractionPolygon({{0.1, 0}, {0.9, 0}, {0.97, 0.32}, {0.03, 0.32}}, x, y);
    fillFigure(painter, lid, verticalShade(red.darker(160), QRectF(0, 0, x, y * 0.32)), edge);
    painter.setPen(QPen(red.darker(120), 1));
    painter.drawLine(QPointF(x * 0.13, y * 0.05), QPointF(x * 0.87, y * 0.05));

    const QPainterPath opening = fractionPolygon({{0.03, 0.32}, {0.97, 0.32}, {1, 0.42}, {0, 0.42}}, x, y);
    fillFigure(painter, opening, QColor(46, 20, 18), edge);

    const QRectF handle(x * 0.2, y * 0.1, x * 0.07, y * 0.28);
    painter.setPen(QPen(QColor(90, 56, 24), 1));
    painter.setBrush(verticalShade(QColor(200, 150, 90), handle));
    painter.drawRect(handle);
    const QRectF ruler(x * 0.64, y * 0.04, x * 0.08, y * 0.34);
    painter.setBrush(QColor(236, 200, 40));
    painter.setPen(QPen(QColor(120, 90, 0), 1));
    painter.drawRect(ruler);
    for (double ty = ruler.top() + 3; ty < ruler.bottom() - 1; ty += 3)
        painter.drawLine(QPointF(ruler.left(), ty), QPointF(ruler.left() + 3, ty));

    const QRectF body(0, y * 0.4, x, y * 0.6);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(verticalShade(red, body));
    painter.drawRect(body);
    painter.setBrush(lightened(red, 0.35));
    painter.drawRect(QRectF(0, y * 0.4, x, y * 0.08));

    for (double lx : {x * 0.18, x * 0.74}) {
        const QRectF latch(lx, y * 0.5, x * 0.08, y * 0.14);
        painter.setBrush(verticalShade(QColor(170, 176, 186), latch));
        painter.setPen(QPen(QColor(50, 54, 60), 1));
        painter.drawRect(latch);
    }
    painter.setPen(QPen(red.darker(150), 1));
    painter.drawLine(QPointF(2, y * 0.8), QPointF(x - 2, y * 0.8));
}

}  // namespace

QImage paintBox(BoxStyle style, int width, int height)
{
    QImage picture = blankFigurePicture(width, height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (style == BoxStyle::Basket)
        paintBasket(painter, width, height);
    else
        paintToolbox(painter, width, height);
    return picture;
}
