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
    BitBlt(backBuffer, 0, 0, backBuffer.width(), backBuffer.height(), background, 0, 0, RasterOp::SrcCopy);
    if (workspace.ShowBox)
        DrawMasked(backBuffer, workspace.BoxX, workspace.BoxY, workspace.PicPlainS, workspace.picPlainM);
    const int current = workspace.CurObj;
    const ObjectPictures& object = workspace.current();
    DrawMasked(backBuffer, workspace.ObjX[current], workspace.ObjY[current], object.imgSprS, object.imgSprM);
    DrawMasked(backBuffer, workspace.ContX[current], workspace.ContY[current], object.ImgContS, object.imgContM);
}
