#include "meadow_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <vector>

#include "pseudo_random.h"

namespace {

void paintSky(QPainter& painter, int w, int h)
{
    QLinearGradient sky(0, 0, 0, h * 0.7);
    sky.setColorAt(0.0, QColor(58, 124, 210));
    sky.setColorAt(0.6, QColor(140, 192, 240));
    sky.setColorAt(1.0, QColor(214, 234, 248));
    painter.fillRect(QRect(0, 0, w, h), sky);
}

void paintSun(QPainter& painter, const QPointF& centre, double radius)
{
    QRadialGradient glow(centre, radius * 3.4);
    glow.setColorAt(0.0, QColor(255, 246, 190, 220));
    glow.setColorAt(0.35, QColor(255, 236, 160, 90));
    glow.setColorAt(1.0, QColor(255, 236, 160, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 3.4, radius * 3.4);
    QRadialGradient disc(centre, radius);
    disc.setColorAt(0.0, QColor(255, 252, 220));
    disc.setColorAt(0.8, QColor(255, 230, 110));
    disc.setColorAt(1.0, QColor(255, 206, 70));
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
}

// A cloud of overlapping puffs, lit from above with a soft grey belly.
void paintCloud(QPainter& painter, const QPointF& at, double scale)
{
    const QRectF puffs[] = {{0, 14, 34, 22}, {18, 2, 34, 32}, {42, 8, 30, 26}, {60, 16, 28, 20}, {10, 20, 70, 18}};
    QPainterPath cloud;
    for (const QRectF& puff : puffs)
        cloud.addEllipse(
            QRectF(at.x() + puff.x() * scale, at.y() + puff.y() * scale, puff.width() * scale, puff.height() * scale));
    cloud.setFillRule(Qt::WindingFill);
    QLinearGradient shade(0, at.y(), 0, at.y() + 38 * scale);
    shade.setColorAt(0.0, QColor(255, 255, 255, 240));
    shade.setColorAt(0.7, QColor(244, 248, 252, 235));
    shade.setColorAt(1.0, QColor(200, 212, 228, 230));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(cloud.simplified());
}

// A hill line through the given crest points, closed along the bottom of the picture.
QPainterPath hillLine(const std::vector<QPointF>& crest, int w, int h)
{
    QPainterPath hill;
    hill.moveTo(-10, h);
    hill.lineTo(crest.front());
    for (std::size_t i = 1; i < crest.size(); ++i) {
        const QPointF& from = crest[i - 1];
        const QPointF& to = crest[i];
        const double mid = (from.x() + to.x()) / 2;
        hill.cubicTo(QPointF(mid, from.y()), QPointF(mid, to.y()), to);
    }
    hill.lineTo(w + 10, h);
    hill.closeSubpath();
    return hill;
}

void paintHill(QPainter& painter, const QPainterPath& hill, const QColor& top, const QColor& bottom)
{
    const QRectF bounds = hill.boundingRect();
    QLinearGradient shade(0, bounds.top(), 0, bounds.bottom());
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(hill);
}

void paintTree(QPainter& painter, const QPointF& foot, double size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 64, 36));
    painter.drawRect(QRectF(foot.x() - size * 0.08, foot.y() - size * 0.5, size * 0.16, size * 0.5));
    QRadialGradient crown(foot + QPointF(-size * 0.12, -size * 0.85), size * 0.6);
    crown.setColorAt(0.0, QColor(104, 170, 72));
    crown.setColorAt(1.0, QColor(40, 100, 44));
    painter.setBrush(crown);
    painter.drawEllipse(foot + QPointF(0, -size * 0.75), size * 0.42, size * 0.4);
}

void paintFlowersAndGrass(QPainter& painter, int w, int h, int top)
{
    PseudoRandom random(20261206);
    for (int i = 0; i < 260; ++i) {
        const double x = random.between(0, w);
        const double y = random.between(top, h);
        const double lean = random.between(-2, 2);
        const double tall = 3 + (y - top) / (h - top) * 6;
        painter.setPen(QPen(QColor(52, 120, 36, 200), 1.2));
        painter.drawLine(QPointF(x, y), QPointF(x + lean, y - tall));
    }
    const QColor petals[] = {QColor(255, 250, 240), QColor(255, 220, 60), QColor(244, 120, 170), QColor(180, 150, 250)};
    for (int i = 0; i < 90; ++i) {
        const double x = random.between(0, w);
        const double y = random.between(top + 4, h);
        const double r = 1.2 + (y - top) / (h - top) * 1.8;
        painter.setPen(Qt::NoPen);
        painter.setBrush(petals[i % 4]);
        painter.drawEllipse(QPointF(x, y), r, r);
        painter.setBrush(QColor(250, 200, 40));
        painter.drawEllipse(QPointF(x, y), r * 0.4, r * 0.4);
    }
}

}  // namespace

QImage paintMeadowScene(int width, int height, int groundY, const QRect& basketSpot)
{
    QImage scene(width, height, QImage::Format_RGB32);
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::Antialiasing, true);

    paintSky(painter, width, height);
    paintSun(painter, QPointF(width * 0.14, height * 0.16), 24);
    paintCloud(painter, QPointF(width * 0.3, height * 0.1), 1.1);
    paintCloud(painter, QPointF(width * 0.62, height * 0.05), 0.8);
    paintCloud(painter, QPointF(width * 0.04, height * 0.36), 0.7);
    paintCloud(painter, QPointF(width * 0.5, height * 0.3), 0.6);

    const double far = height * 0.56;
    paintHill(painter,
              hillLine({{0, far + 4},
                        {width * 0.2, far - 18},
                        {width * 0.45, far + 6},
                        {width * 0.7, far - 22},
                        {double(width), far}},
                       width, height),
              QColor(138, 182, 150), QColor(110, 160, 110));
    for (double tx : {0.16, 0.22, 0.66, 0.72, 0.76})
        paintTree(painter, QPointF(width * tx, far - 6 + (tx > 0.5 ? -12 : -8)), 16);

    // The near hill swells on the right into a flat crest just under the basket.
    const double crestY = basketSpot.bottom() + 1;
    const double near = groundY - height * 0.2;
    paintHill(painter,
              hillLine({{0, near},
                        {width * 0.3, near - 10},
                        {basketSpot.left() - 40.0, crestY + 26},
                        {basketSpot.left() + 8.0, crestY},
                        {basketSpot.right() - 8.0, crestY},
                        {double(width), crestY + 10}},
                       width, height),
              QColor(120, 190, 70), QColor(84, 152, 48));

    const double meadowTop = groundY - height * 0.12;
    paintHill(painter,
              hillLine({{0, meadowTop},
                        {width * 0.5, meadowTop + 6},
                        {basketSpot.left() - 10.0, meadowTop + 2},
                        {double(width), meadowTop + 14}},
                       width, height),
              QColor(104, 178, 58), QColor(62, 130, 36));
    paintFlowersAndGrass(painter, width, height, static_cast<int>(meadowTop) + 6);

    // A soft shadow where the basket stands.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 80, 20, 90));
    painter.drawEllipse(QPointF(basketSpot.center().x(), crestY - 1), basketSpot.width() * 0.48, 5);
    return scene;
}
