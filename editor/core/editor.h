#pragma once

#include <optional>
#include <string>

#include "canvas_drag.h"
#include "canvas_frame.h"
#include "edit_history.h"
#include "editor_state.h"
#include "hooked_prompts.h"
#include "object_list.h"
#include "play_test.h"
#include "surface.h"
#include "theme_files.h"
#include "theme_locations.h"
#include "workspace.h"

class EditorView;
class GameLauncher;
class Prompts;
class Pump;
struct ThemePackage;

// Everything the editor's rules need from outside: the dialogs, the event pump, the window and the game that
// Play Theme starts.
struct EditorServices {
    Prompts& prompts;
    Pump& pump;
    EditorView& view;
    GameLauncher& game;
};

// The editor's rules: start-up, theme loading, the object list, the commands, the canvas's mouse, the render
// loop, undo and redo, and the questions that keep unsaved work. Owned by the main window, which forwards its
// events here and shows what the view is told.
//
// Every change of the workspace is one step that Undo takes back: a whole drag on the canvas from press to
// release, each Change command, New Object, Delete Object, New and Show Box. Choosing the current object is no
// change. Loading a theme and saving one forget the steps, and what they leave counts as saved.
class Editor {
public:
    Editor(ThemeLocations themes, EditorServices services);
    // A portable editor over its program folder.
    Editor(const std::string& programFolder, EditorServices services);

    // Start-up up to the render loop: the default theme (or, when it cannot be loaded, a theme of the editor's own)
    // with a fresh default tube and mask for every object, object 1 current and marked, the window sized. The
    // default theme is a starting point: its save offers the description dialog's own texts.
    void start();
    // The same on a theme the user opened (named on the command line): it is theirs, and its save offers its own
    // name, description and date line.
    void start(const std::string& openedTheme);
    // Composes and shows frames and lets the window's events run between them, until the window closes. Only the
    // part of the canvas that changed since the frame shown is composed and shown again; when nothing changed, it
    // waits for the next event instead. Every command but the canvas's pointer events has the whole frame
    // composed again, since it may have changed a picture.
    void runRenderLoop();
    // Whether the window may close: when there are unsaved changes, the user is asked to save them, discard them or
    // cancel the close. True, without a question, once the window is closing.
    bool mayClose();
    // The window closes: the render loop ends after its current pass, and a play-test's game ends.
    void windowClosing();

    // Reads theme `name` into the workspace, whole or not at all; a theme that cannot be loaded is reported and
    // the workspace keeps what it had. The canvas takes the size of the theme's background, the steps are
    // forgotten, and the theme's name and details are what its next save offers. False when it was not loaded.
    bool loadTheme(const std::string& name);

    // Save Theme: the description dialog, offering the theme's own texts once it was loaded or saved, then the
    // workspace written as a theme folder into the user's theme folder (beside a portable program). A workspace
    // whose pictures break the readers' limits is refused before the dialog; Cancel, or an empty date line, ends it
    // with "Save aborted" before anything is written. A name that is a theme already is replaced only when the user
    // says Yes; No returns to the dialog. A replaced theme keeps its score table only when its objects stayed the
    // same. Files that could not be written are reported in one message. True when the theme was saved whole.
    bool saveTheme();

    // The menu. New, Load theme and Exit first ask to save unsaved changes, as closing the window does.
    void newTheme();
    void newObject();
    // Removes the current object; never the last one.
    void deleteObject();
    bool canDeleteObject() const { return m_workspace.objectCount() > 1; }
    void loadChosenTheme();
    // Play Theme: the workspace played in the game, which starts beside the editor on a temporary copy of it.
    void playTheme();
    // Writes the theme last loaded or saved as one zip archive where the user picks, after offering to save the
    // changes not saved yet.
    void exportTheme();
    void quit();
    void undo();
    void redo();
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
    const EditHistory& history() const { return m_history; }
    const PlayTest& playTest() const { return m_playTest; }
    bool isRendering() const { return m_rendering; }
    int framesShown() const { return m_framesShown; }

private:
    void startOn(const std::string& firstTheme, bool opened);
    // The theme, or nothing when it cannot be loaded: the user is then told why, and what the editor goes on with.
    std::optional<ThemePackage> readTheme(const std::string& name, bool atStartUp);
    // The theme becomes the workspace, a saved one with no steps to undo.
    void takeTheme(ThemePackage package, const std::string& name, bool remembered);
    // Asks to save the changes not saved yet, if there are any. True when the command asking may go on: nothing
    // to save, Discard, or a Save that saved the theme whole.
    bool settleUnsavedChanges();

    EditorState state() const { return {m_workspace, m_list}; }
    // Makes the change from `before` to the present state one step named `name`, unless nothing changed.
    void recordStep(const std::string& name, const EditorState& before);
    // The name of the step a gesture on the canvas made, from what it moved.
    std::string gestureName(const Workspace& before) const;
    // Puts a state back for an undo or a redo, and shows all of it.
    void restore(const EditorState& state);
    // A gesture on the canvas that outlives a step made meanwhile (a key pressed while a button is held) is a step
    // from the state after it.
    void restartGesture();
    void showHistory();
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
    // The state when the gesture on the canvas began; nothing between gestures.
    std::optional<EditorState> m_gestureStart;
    EditHistory m_history;
    PlayTest m_playTest;
    // The theme last started on, loaded or saved: the chooser starts on it, and Export Theme writes it.
    std::string m_themeName;

    CanvasFrame m_canvasFrame;
    bool m_stopRendering = false;
    bool m_rendering = false;
    int m_framesShown = 0;
};
