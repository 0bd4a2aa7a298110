#include "game_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int kTitleWidth = 320;
constexpr int kTitleHeight = 240;
constexpr int kButtonSide = 32;

// A woven texture of light diagonal threads, the same on every start.
void paintWovenGround(QPainter& painter, int width, int height)
{
    painter.fillRect(0, 0, width, height, QColor(170, 210, 240));
    painter.setPen(QPen(QColor(190, 225, 250), 2));
    for (int d = -height; d < width; d += 12)
        painter.drawLine(d, 0, d + height, height);
    painter.setPen(QPen(QColor(150, 195, 230), 1));
    for (int d = 0; d < width + height; d += 12)
        painter.drawLine(d, 0, d - height, height);
}

}  // namespace

QImage drawTitlePicture()
{
    QImage image(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintWovenGround(painter, kTitleWidth, kTitleHeight);

    QFont titleFont(QStringLiteral("DejaVu Sans"), 44, QFont::Bold);
    painter.setFont(titleFont);
    const QRect titleBox(0, 50, kTitleWidth, 90);
    painter.setPen(QColor(40, 70, 120, 140));
    painter.drawText(titleBox.translated(3, 3), Qt::AlignCenter, QStringLiteral("Vantor"));
    painter.setPen(QColor(20, 60, 140));
    painter.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Vantor"));

    QFont subtitleFont(QStringLiteral("DejaVu Sans"), 11);
    painter.setFont(subtitleFont);
    painter.setPen(QColor(30, 70, 120));
    painter.drawText(QRect(0, 140, kTitleWidth, 30), Qt::AlignCenter, QStringLiteral("How steady is your hand?"));
    painter.drawText(QRect(0, 190, kTitleWidth, 30), Qt::AlignCenter, QStringLiteral("Press Start to play"));
    return image;
}

QImage drawHighScoreBackground(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0.0, QColor(176, 166, 196));
    ground.setColorAt(1.0, QColor(118, 108, 150));
    painter.fillRect(0, 0, width, height, ground);
    painter.setPen(QPen(QColor(255, 255, 255, 28), 6));
    for (int d = -height; d < width; d += 24)
        painter.drawLine(d, height, d + height, 0);
    painter.setPen(QPen(QColor(60, 50, 90), 2));
    painter.drawRect(1, 1, width - 2, height - 2);
    return image;
}

QImage drawAboutButtonPicture()
{
    QImage image(kButtonSide, kButtonSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(12, 11, 20);
    ball.setColorAt(0.0, QColor(120, 180, 255));
    ball.setColorAt(1.0, QColor(20, 70, 170));
    painter.setBrush(ball);
    painter.setPen(QPen(QColor(10, 40, 110), 1.5));
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 15, QFont::Bold));
    painter.drawText(QRect(0, 0, kButtonSide, kButtonSide), Qt::AlignCenter, QStringLiteral("i"));
    return image;
}

QImage drawThemeButtonPicture()
{
    QImage image(kButtonSide, kButtonSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A painter's palette: a theme is a set of pictures.
    QPainterPath palette;
    palette.addEllipse(QRectF(2, 5, 28, 22));
    QPainterPath thumbHole;
    thumbHole.addEllipse(QRectF(18, 17, 6, 5));
    painter.setBrush(QColor(222, 184, 135));
    painter.setPen(QPen(QColor(120, 80, 40), 1.5));
    painter.drawPath(palette.subtracted(thumbHole));
    const QColor blobs[] = {QColor(220, 40, 40), QColor(40, 160, 60), QColor(40, 90, 220), QColor(240, 200, 30)};
    const QPointF places[] = {QPointF(9, 12), QPointF(16, 10), QPointF(23, 12), QPointF(9, 20)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(blobs[i]);
        painter.drawEllipse(places[i], 3.2, 3.2);
    }
    return image;
}

QImage drawAboutLogo(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 96.0, side / 96.0);

    const QColor rings[] = {QColor(220, 30, 30), Qt::white, QColor(220, 30, 30), Qt::white};
    for (int i = 0; i < 4; ++i) {
        const double radius = 46 - 11 * i;
        painter.setPen(Qt::NoPen);
        painter.setBrush(rings[i]);
        painter.drawEllipse(QPointF(48, 48), radius, radius);
    }
    // The tube, open at the top, and the ball on its way out of it.
    painter.setPen(QPen(QColor(0, 200, 220), 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({QPointF(33, 44), QPointF(33, 80), QPointF(63, 80), QPointF(63, 44)}));
    QRadialGradient ball(44, 30, 14);
    ball.setColorAt(0.0, QColor(255, 240, 120));
    ball.setColorAt(1.0, QColor(230, 150, 0));
    painter.setPen(QPen(QColor(120, 70, 0), 1.5));
    painter.setBrush(ball);
    painter.drawEllipse(QPointF(48, 34), 12, 12);
    return image;
}
