#pragma once

#include <string>

#include "canvas_drag.h"
#include "canvas_frame.h"
#include "object_list.h"
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
    Editor(std::string programFolder, EditorServices services);

    // Start-up up to the render loop: "Theme1" (or, when it cannot be loaded, a theme of the editor's own) with
    // a fresh default tube and mask for every object, object 1 current and marked, the window sized.
    void start();
    // Composes and shows frames and lets the window's events run between them, until the window closes. Only the
    // part of the canvas that changed since the frame shown is composed and shown again; when nothing changed, it
    // waits for the next event instead. Every command but the canvas's pointer events has the whole frame
    // composed again, since it may have changed a picture.
    void runRenderLoop();
    // The window closes: the render loop ends after its current pass.
    void windowClosing();

    // Reads theme `name` into the workspace, whole or not at all; a theme that cannot be loaded is reported and
    // the workspace keeps what it had. False when it was not loaded.
    bool loadTheme(const std::string& name);

    // Save Theme: the description dialog, then the workspace written as a theme folder beside the program.
    // Cancel, or an empty date line, ends it with "Save aborted" before anything is written; a file that could
    // not be written is reported, all of them in one message.
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

    // The canvas's pointer, in canvas pixels.
    void canvasPressed(int button, double x, double y);
    void canvasMoved(double x, double y);
    void canvasReleased();

    const Workspace& workspace() const { return m_workspace; }
    const ObjectList& objectList() const { return m_list; }
    const CanvasDrag& drag() const { return m_drag; }
    bool isRendering() const { return m_rendering; }
    int framesShown() const { return m_framesShown; }

private:
    void takeTheme(ThemePackage package);
    void selectObject(int index);
    void markAndSelect(int index);
    void setListPanelHeight();

    std::string m_programFolder;
    EditorServices m_services;
    Workspace m_workspace;
    ObjectList m_list;
    CanvasDrag m_drag;

    CanvasFrame m_canvasFrame;
    bool m_stopRendering = false;
    bool m_rendering = false;
    int m_framesShown = 0;
};
