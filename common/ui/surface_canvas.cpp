#include "surface_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "mouse_buttons.h"
#include "qimage_convert.h"
#include "surface.h"

SurfaceCanvas::SurfaceCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

void SurfaceCanvas::setCanvasSize(int width, int height)
{
    setFixedSize(width, height);
}

void SurfaceCanvas::showSurface(const Surface& surface)
{
    showImage(toQImage(surface));
}

void SurfaceCanvas::showImage(const QImage& image)
{
    m_image = image;
    repaint();
}

void SurfaceCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, m_image);
}

void SurfaceCanvas::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(buttonNumber(event->button()), event->position().x(), event->position().y());
}

void SurfaceCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().x(), event->position().y());
}

void SurfaceCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(buttonNumber(event->button()), event->position().x(), event->position().y());
}
