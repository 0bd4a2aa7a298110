#include "image_button.h"

#include <QMouseEvent>

#include "surface_canvas.h"

ImageButton::ImageButton(const QImage& picture, const QString& tip, QWidget* parent) : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(picture));
    setToolTip(tip);
    setFixedSize(picture.size());
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked(buttonNumber(event->button()));
}
