#pragma once

#include <QRect>

#include "surface.h"

class QRegion;
struct Workspace;

// The frame the canvas shows, kept up to date with the workspace at the least cost: when only positions
// changed since it was drawn, only the old and new rectangles of what moved are composed again; anything else
// composes the whole frame. What it holds is always what composeEditorFrame would make of the workspace.
class CanvasFrame {
public:
    // A picture, the background or the box may have changed, which the frame cannot tell cheaply by itself: the
    // next update composes the whole frame.
    void invalidate() { m_wholeFrameStale = true; }

    // Brings the frame up to date and returns the part of the canvas that changed; empty when nothing did.
    QRegion update(const Workspace& workspace);

    const Surface& pixels() const { return m_frame; }

private:
    // What a frame was drawn from, but for the pictures themselves.
    struct Layout {
        int canvasWidth = 0;
        int canvasHeight = 0;
        bool showBox = false;
        int currentObject = -1;
        QRect object;
        QRect tube;
        QRect box;  // empty while the box is hidden
    };
    static Layout layoutOf(const Workspace& workspace);
    // Everything but the rectangles is the same: the frame can be mended where they moved.
    static bool sameLayers(const Layout& a, const Layout& b);
    // The old and the new rectangle of everything that moved.
    static QRegion movedRegion(const Layout& before, const Layout& after);

    Surface m_frame;
    Layout m_drawnFrom;
    bool m_wholeFrameStale = true;
};
