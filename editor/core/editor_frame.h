#pragma once

class Surface;
struct Workspace;

// One frame of the editor's canvas, composed in the back buffer at the canvas's size: the background (cut to
// the canvas, white where it does not reach), the container box while it is shown, the current object, and
// its tube over it. The other objects are not drawn.
void composeEditorFrame(Surface& backBuffer, const Workspace& workspace);
