#include "workshop_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "pseudo_random.h"

namespace {

// Vertical planks in slightly different tones, with dark joints and a few curving grain lines.
void paintPlankWall(QPainter& painter, int w, int h)
{
    PseudoRandom random(4711);
    const int plank = 36;
    for (int x = 0, i = 0; x < w; x += plank, ++i) {
        const int tone = static_cast<int>(random.between(-14, 14));
        QLinearGradient wood(x, 0, x + plank, 0);
        wood.setColorAt(0.0, QColor(150 + tone, 104 + tone, 62 + tone));
        wood.setColorAt(0.5, QColor(172 + tone, 124 + tone, 76 + tone));
        wood.setColorAt(1.0, QColor(142 + tone, 98 + tone, 58 + tone));
        painter.fillRect(QRect(x, 0, plank, h), wood);
        painter.setPen(QPen(QColor(120 + tone, 80 + tone, 46 + tone, 150), 1));
        for (int g = 0; g < 3; ++g) {
            const double gx = x + random.between(6, plank - 6);
            QPainterPath grain;
            grain.moveTo(gx, 0);
            for (double y = 0; y < h; y += 24)
                grain.quadTo(gx + random.between(-3, 3), y + 12, gx + random.between(-1.5, 1.5), y + 24);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(grain);
        }
        painter.setPen(QPen(QColor(70, 44, 24), 2));
        painter.drawLine(x, 0, x, h);
        if (random.next() < 0.6) {
            const QPointF knot(x + random.between(8, plank - 8), random.between(20, h - 40));
            painter.setPen(QPen(QColor(100, 64, 34), 1.2));
            painter.setBrush(QColor(128, 84, 46));
            painter.drawEllipse(knot, 3.5, 2.2);
        }
    }
}

// A pegboard with a grid of holes and a few hooks.
void paintPegboard(QPainter& painter, const QRectF& board)
{
    painter.setPen(QPen(QColor(120, 96, 60), 2));
    painter.setBrush(QColor(214, 188, 140));
    painter.drawRect(board);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 96, 64));
    for (double y = board.top() + 8; y < board.bottom() - 4; y += 11)
        for (double x = board.left() + 8; x < board.right() - 4; x += 11)
            painter.drawEllipse(QPointF(x, y), 1.6, 1.6);
    painter.setPen(QPen(QColor(70, 74, 82), 2));
    painter.setBrush(Qt::NoBrush);
    for (double hx : {0.25, 0.5, 0.75}) {
        const QPointF peg(board.left() + board.width() * hx, board.top() + 19);
        painter.drawLine(peg, peg + QPointF(0, 12));
        painter.drawArc(QRectF(peg.x() - 4, peg.y() + 8, 8, 8), 180 * 16, 180 * 16);
    }
    // A coil of rope hangs on the middle hook.
    painter.setPen(QPen(QColor(190, 150, 90), 3));
    painter.drawEllipse(QPointF(board.left() + board.width() * 0.5, board.top() + 44), 14, 16);
    painter.setPen(QPen(QColor(150, 110, 60), 2));
    painter.drawEllipse(QPointF(board.left() + board.width() * 0.5, board.top() + 44), 10, 12);
}

// A small window with sky, a bit of tree and the frame's cross.
void paintWindow(QPainter& painter, const QRectF& window)
{
    QLinearGradient sky(0, window.top(), 0, window.bottom());
    sky.setColorAt(0, QColor(110, 170, 230));
    sky.setColorAt(1, QColor(200, 226, 246));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRect(window);
    painter.save();
    painter.setClipRect(window);
    painter.setBrush(QColor(80, 140, 70));
    painter.drawEllipse(QPointF(window.right() - 14, window.bottom() + 2), 30, 22);
    painter.restore();
    painter.setBrush(QColor(255, 255, 255, 70));
    QPolygonF glare;
    glare << window.topLeft() + QPointF(10, 0) << window.topLeft() + QPointF(26, 0)
          << window.bottomLeft() + QPointF(6, 0) << window.bottomLeft() + QPointF(-4, 0);
    painter.drawPolygon(glare);
    painter.setPen(QPen(QColor(236, 232, 222), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(window);
    painter.setPen(QPen(QColor(236, 232, 222), 3));
    painter.drawLine(QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
    painter.drawLine(QPointF(window.left(), window.center().y()), QPointF(window.right(), window.center().y()));
}

// A round wall clock without numbers: twelve ticks and two hands.
void paintClock(QPainter& painter, const QPointF& centre, double radius)
{
    painter.setPen(QPen(QColor(60, 40, 30), 3));
    painter.setBrush(QColor(250, 246, 232));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(60, 50, 44), 1.5));
    for (int i = 0; i < 12; ++i) {
        const double a = qDegreesToRadians(i * 30.0);
        const QPointF dir(qSin(a), -qCos(a));
        painter.drawLine(centre + dir * radius * 0.78, centre + dir * radius * 0.92);
    }
    painter.setPen(QPen(QColor(30, 30, 34), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(radius * 0.32, -radius * 0.36));
    painter.setPen(QPen(QColor(30, 30, 34), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-radius * 0.1, -radius * 0.7));
}

// A thick board seen slightly from above, resting on two brackets.
void paintShelf(QPainter& painter, double left, double right, double top)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRect(QRectF(left, top + 12, right - left, 5));
    QLinearGradient board(0, top - 3, 0, top + 12);
    board.setColorAt(0, QColor(216, 170, 110));
    board.setColorAt(0.3, QColor(196, 146, 88));
    board.setColorAt(1, QColor(120, 80, 44));
    painter.setBrush(board);
    painter.setPen(QPen(QColor(80, 50, 26), 1));
    painter.drawRect(QRectF(left, top - 3, right - left, 15));
    painter.setBrush(QColor(70, 74, 82));
    for (double bx : {left + (right - left) * 0.15, right - (right - left) * 0.15 - 6}) {
        QPolygonF bracket;
        bracket << QPointF(bx, top + 12) << QPointF(bx + 6, top + 12) << QPointF(bx + 6, top + 40)
                << QPointF(bx, top + 40);
        painter.drawPolygon(bracket);
        painter.drawLine(QPointF(bx + 6, top + 36), QPointF(bx + 18, top + 14));
    }
}

// The workbench top along the bottom edge, and a vice standing on it at the right.
void paintBench(QPainter& painter, int w, int h, double top)
{
    QLinearGradient board(0, top - 4, 0, h);
    board.setColorAt(0, QColor(206, 156, 96));
    board.setColorAt(0.25, QColor(170, 118, 66));
    board.setColorAt(1, QColor(100, 64, 34));
    painter.setPen(QPen(QColor(70, 44, 22), 1));
    painter.setBrush(board);
    painter.drawRect(QRectF(-1, top - 4, w + 2, h - top + 5));

    const double vx = w - 96;
    painter.setBrush(QColor(60, 90, 130));
    painter.setPen(QPen(QColor(28, 40, 60), 1));
    painter.drawRect(QRectF(vx, top - 34, 26, 30));
    painter.drawRect(QRectF(vx + 34, top - 34, 26, 30));
    painter.setBrush(QColor(150, 156, 166));
    painter.drawRect(QRectF(vx + 26, top - 30, 8, 20));
    painter.drawRect(QRectF(vx + 60, top - 22, 22, 5));
    painter.drawEllipse(QPointF(vx + 84, top - 19.5), 4, 4);
}

// Warm light from the window falling across the wall.
void paintLight(QPainter& painter, int h, const QRectF& window)
{
    QPolygonF beam;
    beam << window.topLeft() << window.topRight() << QPointF(window.right() + 120, h) << QPointF(window.left() + 40, h);
    QLinearGradient fade(0, window.top(), 0, h);
    fade.setColorAt(0, QColor(255, 240, 200, 60));
    fade.setColorAt(1, QColor(255, 240, 200, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fade);
    painter.drawPolygon(beam);
}

}  // namespace

QImage paintWorkshopScene(int width, int height, const WorkshopFurniture& furniture)
{
    QImage scene(width, height, QImage::Format_RGB32);
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::Antialiasing, true);

    paintPlankWall(painter, width, height);
    const QRectF window(furniture.shelfRight - 130.0, 14, 96, 70);
    paintLight(painter, height, window);
    paintPegboard(painter, QRectF(14, 12, furniture.shelfRight - 170.0, 78));
    paintWindow(painter, window);
    paintClock(painter, QPointF(furniture.boxSpot.center().x(), furniture.boxSpot.bottom() + 84.0), 26);

    paintShelf(painter, -4, furniture.shelfRight, furniture.shelfTop);
    paintShelf(painter, furniture.boxSpot.left() - 12.0, furniture.boxSpot.right() + 12.0,
               furniture.boxSpot.bottom() + 1.0);
    paintBench(painter, width, height, furniture.benchTop);
    return scene;
}
