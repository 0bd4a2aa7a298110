#include "icon_render.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <sstream>

namespace {

void setOutline(QPainter& painter, const IconShape& shape)
{
    if (shape.outline.isValid())
        painter.setPen(QPen(shape.outline, shape.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
}

std::string svgColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb).toStdString();
}

std::string svgPaint(const IconShape& shape)
{
    std::ostringstream paint;
    paint << " fill=\"" << svgColour(shape.fill) << "\"";
    if (shape.outline.isValid())
        paint << " stroke=\"" << svgColour(shape.outline) << "\" stroke-width=\"" << shape.outlineWidth
              << "\" stroke-linejoin=\"round\"";
    return paint.str();
}

}  // namespace

QImage renderIcon(const IconPicture& picture, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kIconUnits, size / kIconUnits);
    for (const IconShape& shape : picture) {
        setOutline(painter, shape);
        painter.setBrush(shape.fill);
        switch (shape.kind) {
            case IconShape::Kind::RoundedRect:
                painter.drawRoundedRect(QRectF(shape.points[0], shape.points[1]), shape.radius, shape.radius);
                break;
            case IconShape::Kind::Circle:
                painter.drawEllipse(shape.points[0], shape.radius, shape.radius);
                break;
            case IconShape::Kind::Polygon:
                painter.drawPolygon(QPolygonF(QVector<QPointF>(shape.points.begin(), shape.points.end())));
                break;
        }
    }
    painter.end();
    return image;
}

std::string iconSvg(const IconPicture& picture)
{
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kIconUnits << "\" height=\"" << kIconUnits
        << "\" viewBox=\"0 0 " << kIconUnits << " " << kIconUnits << "\">\n";
    for (const IconShape& shape : picture) {
        switch (shape.kind) {
            case IconShape::Kind::RoundedRect: {
                const QPointF& a = shape.points[0];
                const QPointF& b = shape.points[1];
                svg << "  <rect x=\"" << a.x() << "\" y=\"" << a.y() << "\" width=\"" << b.x() - a.x() << "\" height=\""
                    << b.y() - a.y() << "\" rx=\"" << shape.radius << "\"" << svgPaint(shape) << "/>\n";
                break;
            }
            case IconShape::Kind::Circle:
                svg << "  <circle cx=\"" << shape.points[0].x() << "\" cy=\"" << shape.points[0].y() << "\" r=\""
                    << shape.radius << "\"" << svgPaint(shape) << "/>\n";
                break;
            case IconShape::Kind::Polygon:
                svg << "  <polygon points=\"";
                for (std::size_t i = 0; i < shape.points.size(); ++i)
                    svg << (i ? " " : "") << shape.points[i].x() << "," << shape.points[i].y();
                svg << "\"" << svgPaint(shape) << "/>\n";
                break;
        }
    }
    svg << "</svg>\n";
    return svg.str();
}
