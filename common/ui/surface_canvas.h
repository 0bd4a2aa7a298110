#pragma once

#include <QImage>
#include <QWidget>

class Surface;

// A widget that shows a picture surface at its top-left corner, fixed to a given size, and reports the
// pointer in canvas pixels.
class SurfaceCanvas : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceCanvas(QWidget* parent = nullptr);

    void setCanvasSize(int width, int height);
    // Each of these shows a picture and repaints at once, so a loop that never returns to the event loop is
    // still seen.
    // A copy of the surface: for pictures that may change or go away while they are shown.
    void showSurface(const Surface& surface);
    // The frame itself, without copying its pixels: the canvas paints from it now and at every later paint,
    // until another picture is shown. It must stay alive that long, as a window's back buffer does.
    void showFrame(const Surface& frame);
    // The same, repainting only the part `changed` now: the frame is what the canvas showed before but there.
    void showFrame(const Surface& frame, const QRegion& changed);
    void showImage(const QImage& image);
    // What the canvas paints.
    const QImage& shownImage() const;

signals:
    void mousePressed(int button, double x, double y);
    // `buttons`: the mouse buttons held during the move, an OR of their codes.
    void mouseMoved(double x, double y, int buttons);
    void mouseReleased(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    mutable QImage m_image;
    const Surface* m_frame = nullptr;
};

// The handlers' code of a Qt mouse button (see mouse_buttons.h); 0 for any other.
int buttonNumber(Qt::MouseButton button);

// The codes of the buttons held, ORed together; 0 when none of the three is.
int buttonsHeld(Qt::MouseButtons buttons);
