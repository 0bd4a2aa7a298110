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
    buttonHeld = true;
    storeDifference(objectGrabX, x, workspace.objectX[workspace.currentObject]);
    storeDifference(objectGrabY, y, workspace.objectY[workspace.currentObject]);
    if (workspace.showBox) {
        storeDifference(boxGrabX, x, workspace.boxX);
        storeDifference(boxGrabY, y, workspace.boxY);
    }
}

DragMove CanvasDrag::move(Workspace& workspace, double x, double y)
{
    const std::optional<std::int16_t> px = toInt16(x);
    const std::optional<std::int16_t> py = toInt16(y);
    if (!px || !py)
        return DragMove::Nothing;
    const int current = workspace.currentObject;
    const bool overObject =
        hitsMask(*px, *py, workspace.objectX[current], workspace.objectY[current], workspace.current().mask);
    const bool overBox = hitsMask(*px, *py, workspace.boxX, workspace.boxY, workspace.boxMask);
    if (buttonHeld && overBox && workspace.showBox) {
        storeDifference(workspace.boxX, x, boxGrabX);
        storeDifference(workspace.boxY, y, boxGrabY);
        return DragMove::Box;
    }
    if (buttonHeld && overObject)
        draggingObject = true;
    if (!draggingObject)
        return DragMove::Nothing;
    storeDifference(workspace.objectX[current], x, objectGrabX);
    storeDifference(workspace.objectY[current], y, objectGrabY);
    return DragMove::Object;
}

void CanvasDrag::release(Workspace& workspace)
{
    buttonHeld = false;
    draggingObject = false;
    const int current = workspace.currentObject;
    const ObjectPictures& object = workspace.current();
    storeDifference(workspace.tubeX[current], workspace.objectX[current], kTubeMargin);
    storeDifference(workspace.tubeY[current], workspace.objectY[current] + kTubeMargin + object.picture.height(),
                    object.tube.height());
}
