#include "surface_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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
    copyIntoImage(surface, m_image);
    repaint();
}

void SurfaceCanvas::showImage(const QImage& image)
{
    m_image = image;
    repaint();
}

void SurfaceCanvas::paintEvent(QPaintEvent*)
{
    // The widget is opaque: the picture covers what it can, and only what lies beyond it gets the window colour.
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    if (m_image.width() < width())
        painter.fillRect(QRect(m_image.width(), 0, width() - m_image.width(), height()), palette().window());
    if (m_image.height() < height())
        painter.fillRect(QRect(0, m_image.height(), std::min(width(), m_image.width()), height() - m_image.height()),
                         palette().window());
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
