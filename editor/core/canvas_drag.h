#pragma once

#include <cstdint>

struct Workspace;

// What a pointer move did to the workspace.
enum class DragMove { Nothing, Box, Object };

// What the mouse is doing on the canvas, between its events. The left button down starts a press; moving over
// a solid pixel of the current object while pressed latches an object drag until a button is released. Moving
// over a solid pixel of the container box while pressed (and while the box is shown) moves the box instead,
// in that event only: the box drag is not latched, and it takes precedence over an object drag.
//
// Positions are canvas pixels as the pointer reports them, possibly fractional; results are rounded to whole
// pixels, halves to even. A result beyond the 16-bit range of a position is not applied.
struct CanvasDrag {
    void press(const Workspace& workspace, int button, double x, double y);
    DragMove move(Workspace& workspace, double x, double y);
    // Any button's release ends the drag and places the current tube around the current object: its left edge
    // 5 pixels left of the object's, its bottom edge 5 pixels below the object's.
    void release(Workspace& workspace);

    bool buttonHeld = false;
    bool draggingObject = false;
    // Pointer minus the current object's corner, and minus the box's corner, at button-down.
    std::int16_t objectGrabX = 0;
    std::int16_t objectGrabY = 0;
    std::int16_t boxGrabX = 0;
    std::int16_t boxGrabY = 0;
};
