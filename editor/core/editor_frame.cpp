#include "editor_frame.h"

#include "draw_masked.h"
#include "surface.h"
#include "workspace.h"

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
