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
    // Shows the surface and repaints at once, so a loop that never returns to the event loop is still seen.
    void showSurface(const Surface& surface);
    void showImage(const QImage& image);
    const QImage& shownImage() const { return m_image; }

signals:
    void mousePressed(int button, double x, double y);
    void mouseMoved(double x, double y);
    void mouseReleased(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

// The handlers' code of a Qt mouse button (see mouse_buttons.h); 0 for any other.
int buttonNumber(Qt::MouseButton button);
