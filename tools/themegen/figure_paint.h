#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <vector>

class QBrush;
class QPainter;

// Helpers for drawing the carried figures and the container boxes. Everything here is drawn without
// antialiasing on pure white, so a pixel is either the figure's own colour or untouched white; that is what
// lets the mask follow the picture exactly. No colour used here is ever pure white.

// The colour moved towards a warm off-white by `amount` (0 to 1); never pure white.
QColor lightened(const QColor& colour, double amount);

// A vertical gradient over `area` from the lit top to the shaded bottom of `base`.
QBrush verticalShade(const QColor& base, const QRectF& area);

// A glossy round shade lit from the upper left.
QBrush roundShade(const QColor& base, const QRectF& area);

// A path through the points given as fractions of a w x h picture, closed.
QPainterPath fractionPolygon(const std::vector<QPointF>& fractions, double w, double h);

// Fills the path and draws its edge one pixel wide in `outline`.
void fillFigure(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline);
