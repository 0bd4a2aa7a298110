#pragma once

#include <QGroupBox>

class SurfaceCanvas;
struct ObjectPictures;

// The "Current Object" panel: the current object's picture and its tube, each at its own size. A click on the
// picture asks for a new one.
class CurrentObjectPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CurrentObjectPanel(QWidget* parent = nullptr);
    void showObject(const ObjectPictures& object);

    SurfaceCanvas* pictureView() const { return m_pictureView; }
    SurfaceCanvas* tubeView() const { return m_tubeView; }

signals:
    void pictureClicked();

private:
    SurfaceCanvas* m_pictureView;
    SurfaceCanvas* m_tubeView;
};
