#pragma once

#include <optional>
#include <string>

class QRegion;
class Surface;

// What the editor shows, as its rules ask for it. The main window implements it; tests record it.
class EditorView {
public:
    virtual ~EditorView() = default;

    // The canvas takes a new size: a new background, or a theme loaded.
    virtual void setCanvasSize(int width, int height) = 0;
    // The window's client area below its menu bar, set at start-up; the window stays within the screen.
    virtual void setClientSize(int width, int height) = 0;
    // The client area grows to at least this size, within the screen; it never shrinks.
    virtual void growClientSize(int width, int height) = 0;
    // The canvas shows the frame, repainting now only the part `changed`: elsewhere the frame holds what the
    // canvas shows already. The frame stays alive, and between two presents it holds what the canvas shows, so
    // the canvas may paint from it at any time.
    virtual void present(const Surface& frame, const QRegion& changed) = 0;
    // Rows were added or removed, or an object got a new picture: the rows are shown afresh from the list.
    virtual void showObjectList() = 0;
    // The X and Y labels of one row changed.
    virtual void showRowLabels(int row) = 0;
    // Another object became current, or the current one's pictures or the mark changed.
    virtual void showCurrentObject() = 0;
    virtual void showBoxCheck(bool checked) = 0;
    // Undo and Redo name the step they would take (nothing: there is none), and the title carries the modified
    // mark while the workspace has changes that are not saved.
    virtual void showHistory(const std::optional<std::string>& undoStep, const std::optional<std::string>& redoStep,
                             bool unsavedChanges) = 0;
    // Exit: the window closes.
    virtual void closeWindow() = 0;

    // The display's vertical twips per pixel, which the list panel's height is measured by.
    virtual double twipsPerPixelY() = 0;
};
