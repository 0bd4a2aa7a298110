#include "toy_shapes.h"

#include <QPainter>
#include <QtMath>

#include "figure_paint.h"

// Coordinates run to w - 1 and h - 1 so that the outline's last pixels still lie inside the picture.

void paintBall(QPainter& painter, int w, int h)
{
    const QRectF area(0, 0, w - 1, h - 1);
    QPainterPath ball;
    ball.addEllipse(area);
    fillFigure(painter, ball, roundShade(QColor(214, 38, 46), area), QColor(110, 10, 20));

    // A band of a second colour turns the plain ball into a toy.
    QPainterPath band;
    band.addEllipse(QRectF(-w * 0.15, h * 0.38, w * 1.3, h * 0.36));
    painter.save();
    painter.setClipPath(ball.intersected(band));
    painter.fillRect(area, roundShade(QColor(250, 196, 30), area));
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(lightened(QColor(214, 38, 46), 0.85));
    painter.drawEllipse(QRectF(w * 0.22, h * 0.14, w * 0.2, h * 0.13));
}

void paintStar(QPainter& painter, int w, int h)
{
    const double sin72 = qSin(qDegreesToRadians(72.0));
    const double cos36 = qCos(qDegreesToRadians(36.0));
    const double radius = std::min((w - 1) / (2 * sin72), (h - 1) / (1 + cos36));
    const QPointF centre((w - 1) / 2.0, radius);
    QPolygonF tips;
    for (int i = 0; i < 10; ++i) {
        const double angle = qDegreesToRadians(-90.0 + 36.0 * i);
        const double r = (i % 2 == 0) ? radius : radius * 0.46;
        tips << centre + QPointF(r * qCos(angle), r * qSin(angle));
    }
    QPainterPath star;
    star.addPolygon(tips);
    star.closeSubpath();
    fillFigure(painter, star, QColor(255, 196, 20), QColor(176, 96, 0));

    // Alternate light and dark facets give the star its ridges.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        QPolygonF facet;
        facet << centre << tips[i] << tips[(i + 1) % 10];
        painter.setBrush(i % 2 == 0 ? QColor(255, 226, 90) : QColor(236, 160, 10));
        painter.drawPolygon(facet);
    }
    painter.setPen(QPen(QColor(176, 96, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(star);
}

void paintHeart(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    QPainterPath heart;
    heart.moveTo(0.5 * x, 0.26 * y);
    heart.cubicTo(0.5 * x, 0.0, 0.0, -0.02 * y, 0.0, 0.32 * y);
    heart.cubicTo(0.0, 0.58 * y, 0.32 * x, 0.74 * y, 0.5 * x, y);
    heart.cubicTo(0.68 * x, 0.74 * y, x, 0.58 * y, x, 0.32 * y);
    heart.cubicTo(x, -0.02 * y, 0.5 * x, 0.0, 0.5 * x, 0.26 * y);
    const QRectF area(0, 0, x, y);
    fillFigure(painter, heart, roundShade(QColor(232, 48, 120), area), QColor(120, 10, 60));

    painter.setPen(Qt::NoPen);
    painter.setBrush(lightened(QColor(232, 48, 120), 0.8));
    painter.drawEllipse(QRectF(w * 0.16, h * 0.14, w * 0.16, h * 0.12));
}

void paintDiamond(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QPointF top0(0.24 * x, 0), top1(0.76 * x, 0), left(0, 0.34 * y), right(x, 0.34 * y);
    const QPointF girdle0(0.36 * x, 0.34 * y), girdle1(0.64 * x, 0.34 * y), tip(0.5 * x, y);

    struct Facet {
        QPolygonF corners;
        QColor colour;
    };
    const Facet facets[] = {
        {QPolygonF({left, top0, girdle0}), QColor(120, 200, 250)},
        {QPolygonF({top0, top1, girdle1, girdle0}), QColor(190, 236, 252)},
        {QPolygonF({top1, right, girdle1}), QColor(70, 160, 230)},
        {QPolygonF({left, girdle0, tip}), QColor(40, 120, 210)},
        {QPolygonF({girdle0, girdle1, tip}), QColor(90, 176, 240)},
        {QPolygonF({girdle1, right, tip}), QColor(22, 80, 170)},
    };
    painter.setPen(QPen(QColor(16, 50, 120), 1));
    for (const Facet& facet : facets) {
        painter.setBrush(facet.colour);
        painter.drawPolygon(facet.corners);
    }
}

void paintTriangle(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const QPainterPath outer = fractionPolygon({{0.5, 0}, {1, 1}, {0, 1}}, x, y);
    fillFigure(painter, outer, QColor(34, 130, 50), QColor(14, 70, 24));

    // A raised inner face: inset so that a rim of the darker colour stays all around.
    const double inset = 5;
    QPolygonF face;
    face << QPointF(0.5 * x, inset * 1.9) << QPointF(x - inset * 1.6, y - inset + 1)
         << QPointF(inset * 1.6, y - inset + 1);
    QLinearGradient shade(0, 0, x, y);
    shade.setColorAt(0, QColor(150, 226, 120));
    shade.setColorAt(1, QColor(60, 170, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(face);
}

void paintCross(QPainter& painter, int w, int h)
{
    const double x = w - 1;
    const double y = h - 1;
    const double armW = 0.36 * x;
    const double armH = 0.36 * y;
    QPainterPath horizontal;
    horizontal.addRect(QRectF(0, (y - armH) / 2, x, armH));
    QPainterPath vertical;
    vertical.addRect(QRectF((x - armW) / 2, 0, armW, y));
    const QPainterPath cross = horizontal.united(vertical);
    fillFigure(painter, cross, QColor(110, 50, 170), QColor(50, 16, 90));

    QPainterPath faceH;
    faceH.addRect(QRectF(3, (y - armH) / 2 + 3, x - 6, armH - 6));
    QPainterPath faceV;
    faceV.addRect(QRectF((x - armW) / 2 + 3, 3, armW - 6, y - 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalShade(QColor(160, 96, 220), QRectF(0, 0, x, y)));
    painter.drawPath(faceH.united(faceV));
}
