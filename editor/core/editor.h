#pragma once

#include <optional>
#include <string>

#include "canvas_drag.h"
#include "canvas_frame.h"
#include "hooked_prompts.h"
#include "object_list.h"
#include "surface.h"
#include "theme_files.h"
#include "theme_locations.h"
#include "workspace.h"

class EditorView;
class Prompts;
class Pump;
struct ThemePackage;

// Everything the editor's rules need from outside: the dialogs, the event pump and the window.
struct EditorServices {
    Prompts& prompts;
    Pump& pump;
    EditorView& view;
};

// The editor's rules: start-up, theme loading, the object list, the commands, the canvas's mouse and the render
// loop. Owned by the main window, which forwards its events here and shows what the view is told.
class Editor {
public:
    Editor(ThemeLocations themes, EditorServices services);
    // A portable editor over its program folder.
    Editor(const std::string& programFolder, EditorServices services);

    // Start-up up to the render loop: `firstTheme` (or, when it cannot be loaded, a theme of the editor's own)
    // with a fresh default tube and mask for every object, object 1 current and marked, the window sized.
    void start(const std::string& firstTheme = ThemeFiles::kDefaultTheme);
    // Composes and shows frames and lets the window's events run between them, until the window closes. Only the
    // part of the canvas that changed since the frame shown is composed and shown again; when nothing changed, it
    // waits for the next event instead. Every command but the canvas's pointer events has the whole frame
    // composed again, since it may have changed a picture.
    void runRenderLoop();
    // The window closes: the render loop ends after its current pass.
    void windowClosing();

    // Reads theme `name` into the workspace, whole or not at all; a theme that cannot be loaded is reported and
    // the workspace keeps what it had. The canvas takes the size of the theme's background. False when it was not
    // loaded.
    bool loadTheme(const std::string& name);

    // Save Theme: the description dialog, then the workspace written as a theme folder into the user's theme
    // folder (beside a portable program). A workspace whose pictures break the readers' limits is refused before
    // the dialog; Cancel, or an empty date line, ends it with "Save aborted" before anything is written; files
    // that could not be written are reported in one message.
    void saveTheme();

    // The menu.
    void newTheme();
    void newObject();
    void loadChosenTheme();
    void quit();
    void changeBackground();
    void changeContainer();
    // Also a click on the Current Object panel's picture.
    void changeCurrentObject();
    void toggleShowBox();

    // The object list and the Current Object panel.
    void chooseObject(int row);
    // A click on a row's thumbnail: that object gets a new picture.
    void changeObjectPicture(int row);

    // The canvas's pointer, in canvas pixels; `buttonsHeld` is the mouse buttons down during a move, as an OR of
    // their codes.
    void canvasPressed(int button, double x, double y);
    void canvasMoved(double x, double y, int buttonsHeld);
    void canvasReleased();

    const Workspace& workspace() const { return m_workspace; }
    const ObjectList& objectList() const { return m_list; }
    const CanvasDrag& drag() const { return m_drag; }
    bool isRendering() const { return m_rendering; }
    int framesShown() const { return m_framesShown; }

private:
    // The theme, or nothing when it cannot be loaded: the user is then told why, and what the editor goes on with.
    std::optional<ThemePackage> readTheme(const std::string& name, bool atStartUp);
    void takeTheme(ThemePackage package);
    // A drag lasts from a press to its release; when the release cannot come (a dialog took the pointer, the
    // workspace was replaced), the drag ends as if it had.
    void endDrag();
    void selectObject(int index);
    void markAndSelect(int index);
    void setListPanelHeight();

    ThemeLocations m_themes;
    EditorServices m_services;
    // Every dialog goes through these, so that a dialog opening ends a drag.
    HookedPrompts m_prompts;
    Workspace m_workspace;
    ObjectList m_list;
    CanvasDrag m_drag;

    CanvasFrame m_canvasFrame;
    bool m_stopRendering = false;
    bool m_rendering = false;
    int m_framesShown = 0;
};
