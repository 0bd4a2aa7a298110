#include "figure_paint.h"

#include <algorithm>

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

namespace {

// The lightest colour a figure may hold: close to white but never white, which would be transparent.
const QColor kHighlight(255, 250, 232);

}  // namespace

QColor lightened(const QColor& colour, double amount)
{
    auto mix = [amount](int from, int to) { return static_cast<int>(from + (to - from) * amount + 0.5); };
    return QColor(mix(colour.red(), kHighlight.red()), mix(colour.green(), kHighlight.green()),
                  mix(colour.blue(), kHighlight.blue()));
}

QBrush verticalShade(const QColor& base, const QRectF& area)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, lightened(base, 0.45));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1.0, base.darker(165));
    return QBrush(gradient);
}

QBrush roundShade(const QColor& base, const QRectF& area)
{
    const QPointF focus(area.left() + area.width() * 0.34, area.top() + area.height() * 0.3);
    QRadialGradient gradient(area.center(), std::max(area.width(), area.height()) * 0.62, focus);
    gradient.setColorAt(0.0, lightened(base, 0.75));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1.0, base.darker(200));
    return QBrush(gradient);
}

QPainterPath fractionPolygon(const std::vector<QPointF>& fractions, double w, double h)
{
    QPolygonF polygon;
    for (const QPointF& f : fractions)
        polygon << QPointF(f.x() * w, f.y() * h);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

void fillFigure(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline)
{
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawPath(path);
}
