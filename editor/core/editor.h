#pragma once

#include <string>

#include "canvas_drag.h"
#include "object_list.h"
#include "surface.h"
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
    void Form_Load();
    // Composes and shows frames and lets the window's events run between them, until the window closes. When
    // nothing changed since the frame shown, it waits for the next event instead of showing the same again.
    void RenderLoop();
    // The window closes: the render loop ends after its current pass.
    void Form_Unload();

    // Reads theme `name` into the workspace, whole or not at all; a theme that cannot be loaded is reported and
    // the workspace keeps what it had. False when it was not loaded.
    bool LoadTheme(const std::string& name);

    // Save Theme: the description dialog, then the workspace written as a theme folder beside the program.
    // Cancel, or an empty date line, ends it with "Save aborted" before anything is written; a file that could
    // not be written is reported, all of them in one message.
    void cmdSave_Click();

    // The menu.
    void mnuNew_Click();
    void mnuNew_Object_Click();
    void mnuLoad_Theme_Click();
    void mnuSave_Theme_Click();
    void mnuExit_Click();
    void mnuChgBG_Click();
    void mnuChgBox_Click();
    void mnuChgSpr_Click();
    void mnuShowBox_Click();

    // The object list and the Current Object panel.
    void CurSpr_Click(int row);
    void imgPreview_Click(int row);
    void picSprite_Click();

    // The canvas's pointer, in canvas pixels.
    void picCanvas_MouseDown(int button, double x, double y);
    void picCanvas_MouseMove(double x, double y);
    void picCanvas_MouseUp();

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

    Surface m_picBackBuff;
    Surface m_picCanvas;
    bool m_StopRendering = false;
    bool m_rendering = false;
    int m_framesShown = 0;
};
