#pragma once

class QRegion;
class Surface;
struct Workspace;

// One frame of the editor's canvas, composed in the back buffer at the canvas's size: the background (cut to
// the canvas, white where it does not reach), the container box while it is shown, the current object, and
// its tube over it. The other objects are not drawn.
void composeEditorFrame(Surface& backBuffer, const Workspace& workspace);

// Composes again only the pixels of `region` in a frame already at the canvas's size: each of them ends as
// composeEditorFrame would leave it, and the rest of the frame is left alone.
void composeEditorRegion(Surface& frame, const Workspace& workspace, const QRegion& region);
