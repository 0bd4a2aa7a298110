#include "canvas_drag.h"

#include "hit_mask.h"
#include "mouse_buttons.h"
#include "rounding.h"
#include "workspace.h"

namespace {

// How far the tube's left and bottom edges stand beyond the object's.
constexpr int kTubeMargin = 5;

// Stores a - b rounded into `target`, unless it does not fit a position.
void storeDifference(std::int16_t& target, double a, double b)
{
    if (const std::optional<std::int16_t> value = toInt16(a - b))
        target = *value;
}

}  // namespace

void CanvasDrag::press(const Workspace& workspace, int button, double x, double y)
{
    if (button != kLeftButton)
        return;
    MouseHeld = true;
    storeDifference(GrabDX, x, workspace.ObjX[workspace.CurObj]);
    storeDifference(GrabDY, y, workspace.ObjY[workspace.CurObj]);
    if (workspace.ShowBox) {
        storeDifference(BoxGrabDX, x, workspace.BoxX);
        storeDifference(BoxGrabDY, y, workspace.BoxY);
    }
}

DragMove CanvasDrag::move(Workspace& workspace, double x, double y)
{
    const std::optional<std::int16_t> px = toInt16(x);
    const std::optional<std::int16_t> py = toInt16(y);
    if (!px || !py)
        return DragMove::Nothing;
    const int current = workspace.CurObj;
    const bool overObject =
        HitMask(*px, *py, workspace.ObjX[current], workspace.ObjY[current], workspace.current().imgSprM);
    const bool overBox = HitMask(*px, *py, workspace.BoxX, workspace.BoxY, workspace.picPlainM);
    if (MouseHeld && overBox && workspace.ShowBox) {
        storeDifference(workspace.BoxX, x, BoxGrabDX);
        storeDifference(workspace.BoxY, y, BoxGrabDY);
        return DragMove::Box;
    }
    if (MouseHeld && overObject)
        DraggingObj = true;
    if (!DraggingObj)
        return DragMove::Nothing;
    storeDifference(workspace.ObjX[current], x, GrabDX);
    storeDifference(workspace.ObjY[current], y, GrabDY);
    return DragMove::Object;
}

void CanvasDrag::release(Workspace& workspace)
{
    MouseHeld = false;
    DraggingObj = false;
    const int current = workspace.CurObj;
    const ObjectPictures& object = workspace.current();
    storeDifference(workspace.ContX[current], workspace.ObjX[current], kTubeMargin);
    storeDifference(workspace.ContY[current], workspace.ObjY[current] + kTubeMargin + object.imgSprS.height(),
                    object.ImgContS.height());
}
