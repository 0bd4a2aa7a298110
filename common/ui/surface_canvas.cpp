#include "surface_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
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

int buttonsHeld(Qt::MouseButtons buttons)
{
    int held = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons.testFlag(button))
            held |= buttonNumber(button);
    }
    return held;
}

void SurfaceCanvas::setCanvasSize(int width, int height)
{
    setFixedSize(width, height);
}

void SurfaceCanvas::showSurface(const Surface& surface)
{
    m_frame = nullptr;
    copyIntoImage(surface, m_image);
    repaint();
}

void SurfaceCanvas::showFrame(const Surface& frame)
{
    m_frame = &frame;
    repaint();
}

void SurfaceCanvas::showFrame(const Surface& frame, const QRegion& changed)
{
    m_frame = &frame;
    repaint(changed);
}

void SurfaceCanvas::showImage(const QImage& image)
{
    m_frame = nullptr;
    m_image = image;
    repaint();
}

// A surface's pixels are laid out as those of a 32-bit RGB image but for the top byte, which such an image
// does not read. The image only wraps them; it is made again when the frame's memory moved or its size
// changed, so painting never reads memory the frame gave up.
const QImage& SurfaceCanvas::shownImage() const
{
    if (m_frame) {
        const auto* pixels = reinterpret_cast<const uchar*>(m_frame->row(0));
        if (m_image.constBits() != pixels || m_image.width() != m_frame->width() ||
            m_image.height() != m_frame->height()) {
            m_image = QImage(pixels, m_frame->width(), m_frame->height(),
                             static_cast<qsizetype>(m_frame->width()) * static_cast<qsizetype>(sizeof(Rgb)),
                             QImage::Format_RGB32);
        }
    }
    return m_image;
}

void SurfaceCanvas::paintEvent(QPaintEvent* event)
{
    // The widget is opaque: the picture covers what it can, and only what lies beyond it gets the window colour.
    // Only the part to repaint is copied, which on a large canvas is most often a small part of it.
    const QImage& picture = shownImage();
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
        const QRect inPicture = rect & picture.rect();
        if (!inPicture.isEmpty())
            painter.drawImage(inPicture.topLeft(), picture, inPicture);
    }
    if (picture.width() < width())
        painter.fillRect(QRect(picture.width(), 0, width() - picture.width(), height()), palette().window());
    if (picture.height() < height())
        painter.fillRect(QRect(0, picture.height(), std::min(width(), picture.width()), height() - picture.height()),
                         palette().window());
}

void SurfaceCanvas::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(buttonNumber(event->button()), event->position().x(), event->position().y());
}

void SurfaceCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().x(), event->position().y(), buttonsHeld(event->buttons()));
}

void SurfaceCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(buttonNumber(event->button()), event->position().x(), event->position().y());
}
