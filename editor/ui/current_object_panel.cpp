#include "current_object_panel.h"

#include "editor_layout.h"
#include "mouse_buttons.h"
#include "surface_canvas.h"
#include "workspace.h"

CurrentObjectPanel::CurrentObjectPanel(QWidget* parent) : QGroupBox(QStringLiteral("Current Object"), parent)
{
    m_pictureView = new SurfaceCanvas(this);
    m_pictureView->move(kSpritePreviewLeft - kPanelLeft, kPreviewTop - kObjectPanelTop);
    m_pictureView->setCursor(Qt::PointingHandCursor);
    m_pictureView->setToolTip(QStringLiteral("Click to give the current object a new picture"));
    m_tubeView = new SurfaceCanvas(this);
    m_tubeView->move(kTubePreviewLeft - kPanelLeft, kPreviewTop - kObjectPanelTop);
    connect(m_pictureView, &SurfaceCanvas::mouseReleased, this, [this](int button, double x, double y) {
        if (button == kLeftButton && m_pictureView->rect().contains(QPoint(static_cast<int>(x), static_cast<int>(y))))
            emit pictureClicked();
    });
}

void CurrentObjectPanel::showObject(const ObjectPictures& object)
{
    m_pictureView->setCanvasSize(object.picture.width(), object.picture.height());
    m_pictureView->showSurface(object.picture);
    m_tubeView->setCanvasSize(object.tube.width(), object.tube.height());
    m_tubeView->showSurface(object.tube);
}
