#include "editor_frame.h"

#include <QRegion>
#include <algorithm>

#include "draw_masked.h"
#include "masked_layers.h"
#include "surface.h"
#include "workspace.h"

namespace {

void fillWithBackgroundColour(Surface& frame, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::fill_n(frame.row(y) + rect.x(), rect.width(), frame.backgroundColor());
}

}  // namespace

void composeEditorFrame(Surface& backBuffer, const Workspace& workspace)
{
    if (backBuffer.width() != workspace.canvasWidth || backBuffer.height() != workspace.canvasHeight)
        backBuffer = Surface(workspace.canvasWidth, workspace.canvasHeight, kWhite);
    const Surface& background = workspace.background;
    if (background.width() < backBuffer.width() || background.height() < backBuffer.height())
        backBuffer.clear();
    blit(backBuffer, 0, 0, backBuffer.width(), backBuffer.height(), background, 0, 0, RasterOp::SrcCopy);
    if (workspace.showBox)
        drawMasked(backBuffer, workspace.boxX, workspace.boxY, workspace.box, workspace.boxMask);
    const int current = workspace.currentObject;
    const ObjectPictures& object = workspace.current();
    drawMasked(backBuffer, workspace.objectX[current], workspace.objectY[current], object.picture, object.mask);
    drawMasked(backBuffer, workspace.tubeX[current], workspace.tubeY[current], object.tube, object.tubeMask);
}

void composeEditorRegion(Surface& frame, const Workspace& workspace, const QRegion& region)
{
    const Surface& background = workspace.background;
    const QRect inBackground(0, 0, background.width(), background.height());
    const int current = workspace.currentObject;
    const ObjectPictures& object = workspace.current();
    const MaskedLayer box{workspace.boxX, workspace.boxY, workspace.box, workspace.boxMask};
    const MaskedLayer picture{workspace.objectX[current], workspace.objectY[current], object.picture, object.mask};
    const MaskedLayer tube{workspace.tubeX[current], workspace.tubeY[current], object.tube, object.tubeMask};
    for (const QRect& rect : region) {
        const QRect inFrame = rect & QRect(0, 0, frame.width(), frame.height());
        if (!inBackground.contains(inFrame))
            fillWithBackgroundColour(frame, inFrame);
        if (workspace.showBox)
            composeMaskedLayers(frame, inFrame, background, {box, picture, tube});
        else
            composeMaskedLayers(frame, inFrame, background, {picture, tube});
    }
}
