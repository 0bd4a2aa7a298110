#include "canvas_frame.h"

#include <QRegion>
#include <utility>

#include "editor_frame.h"
#include "workspace.h"

CanvasFrame::Layout CanvasFrame::layoutOf(const Workspace& workspace)
{
    const int current = workspace.currentObject;
    const ObjectPictures& object = workspace.current();
    Layout layout;
    layout.canvasWidth = workspace.canvasWidth;
    layout.canvasHeight = workspace.canvasHeight;
    layout.showBox = workspace.showBox;
    layout.currentObject = current;
    layout.object =
        QRect(workspace.objectX[current], workspace.objectY[current], object.picture.width(), object.picture.height());
    layout.tube = QRect(workspace.tubeX[current], workspace.tubeY[current], object.tube.width(), object.tube.height());
    if (workspace.showBox)
        layout.box = QRect(workspace.boxX, workspace.boxY, workspace.box.width(), workspace.box.height());
    return layout;
}

bool CanvasFrame::sameLayers(const Layout& a, const Layout& b)
{
    return a.canvasWidth == b.canvasWidth && a.canvasHeight == b.canvasHeight && a.showBox == b.showBox &&
           a.currentObject == b.currentObject;
}

QRegion CanvasFrame::movedRegion(const Layout& before, const Layout& after)
{
    QRegion moved;
    for (const auto& [old, now] : {std::pair(before.object, after.object), std::pair(before.tube, after.tube),
                                   std::pair(before.box, after.box)}) {
        if (old != now)
            moved += QRegion(old) + now;
    }
    return moved;
}

QRegion CanvasFrame::update(const Workspace& workspace)
{
    const Layout now = layoutOf(workspace);
    const QRect canvas(0, 0, now.canvasWidth, now.canvasHeight);
    QRegion changed;
    if (m_wholeFrameStale || !sameLayers(m_drawnFrom, now)) {
        composeEditorFrame(m_frame, workspace);
        changed = canvas;
    } else {
        changed = movedRegion(m_drawnFrom, now) & canvas;
        composeEditorRegion(m_frame, workspace, changed);
    }
    m_drawnFrom = now;
    m_wholeFrameStale = false;
    return changed;
}
