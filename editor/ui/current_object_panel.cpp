#include "current_object_panel.h"

#include "editor_layout.h"
#include "mouse_buttons.h"
#include "surface_canvas.h"
#include "workspace.h"

CurrentObjectPanel::CurrentObjectPanel(QWidget* parent) : QGroupBox(QStringLiteral("Current Object"), parent)
{
    m_picSprite = new SurfaceCanvas(this);
    m_picSprite->move(kSpritePreviewLeft - kPanelLeft, kPreviewTop - kObjectPanelTop);
    m_picSprite->setCursor(Qt::PointingHandCursor);
    m_picSprite->setToolTip(QStringLiteral("Click to give the current object a new picture"));
    m_picSCont = new SurfaceCanvas(this);
    m_picSCont->move(kTubePreviewLeft - kPanelLeft, kPreviewTop - kObjectPanelTop);
    connect(m_picSprite, &SurfaceCanvas::mouseReleased, this, [this](int button, double x, double y) {
        if (button == kLeftButton && m_picSprite->rect().contains(QPoint(static_cast<int>(x), static_cast<int>(y))))
            emit pictureClicked();
    });
}

void CurrentObjectPanel::showObject(const ObjectPictures& object)
{
    m_picSprite->setCanvasSize(object.imgSprS.width(), object.imgSprS.height());
    m_picSprite->showSurface(object.imgSprS);
    m_picSCont->setCanvasSize(object.ImgContS.width(), object.ImgContS.height());
    m_picSCont->showSurface(object.ImgContS);
}
