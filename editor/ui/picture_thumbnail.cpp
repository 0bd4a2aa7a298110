#include "picture_thumbnail.h"

#include <QMouseEvent>
#include <QPixmap>

#include "qimage_convert.h"

PictureThumbnail::PictureThumbnail(QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
}

void PictureThumbnail::showPicture(const Surface& picture)
{
    setPixmap(QPixmap::fromImage(toQImage(picture)));
}

void PictureThumbnail::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
