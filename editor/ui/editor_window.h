#pragma once

#include <QMainWindow>
#include <memory>

#include "editor.h"
#include "editor_layout.h"
#include "editor_view.h"

class CurrentObjectPanel;
class ObjectListPanel;
class QAction;
class QScrollArea;
class SurfaceCanvas;

// What the editor's window needs from outside; the program passes the real ones, tests their own.
struct EditorWindowServices {
    Pump& pump;
    Prompts* prompts = nullptr;    // nothing: real dialogs over this window
    GameLauncher* game = nullptr;  // nothing: the real game beside the editor
};

// The editor's main window "Create": the Current Object panel, the object list, the canvas and the menus. It
// forwards every event to the editor's rules and shows what they report, also the modified mark in its title.
class EditorWindow : public QMainWindow, public EditorView {
    Q_OBJECT
public:
    EditorWindow(ThemeLocations themes, EditorWindowServices services);
    // A portable editor over its program folder.
    EditorWindow(const std::string& programFolder, EditorWindowServices services);
    ~EditorWindow() override;

    // Start-up on the default theme, the window shown, then the render loop until the window closes.
    void run();
    // The same on a theme the user opened.
    void run(const std::string& openedTheme);

    Editor& editor() { return *m_editor; }
    SurfaceCanvas* canvas() const { return m_canvas; }
    QScrollArea* canvasArea() const { return m_canvasArea; }
    CurrentObjectPanel* currentObjectPanel() const { return m_currentObjectPanel; }
    ObjectListPanel* objectListPanel() const { return m_objectListPanel; }
    QAction* action(const QString& objectName) const;

    void setCanvasSize(int width, int height) override;
    void setClientSize(int width, int height) override;
    void growClientSize(int width, int height) override;
    void present(const Surface& frame, const QRegion& changed) override;
    void showObjectList() override;
    void showRowLabels(int row) override;
    void showCurrentObject() override;
    void showBoxCheck(bool checked) override;
    void showHistory(const std::optional<std::string>& undoStep, const std::optional<std::string>& redoStep,
                     bool unsavedChanges) override;
    void closeWindow() override;
    double twipsPerPixelY() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    // A menu command that runs `handler` of the editor; what the handler returns is not needed here.
    template <typename Result>
    QAction* addCommand(QMenu* menu, const QString& caption, const QString& name, Result (Editor::*handler)());
    void showWindowAndRender();
    void connectControls();
    // Runs whenever the tube preview, the list or the window's size changes.
    void layOutPanels();
    int clientHeight() const;
    // Sets the client area as it is, the panels' widening included, within the screen.
    void resizeClient(int width, int height);
    // How much wider than their design the panels are for the list's texts; the canvas stands that much further
    // right, and the client areas the editor asks for are that much wider.
    int panelsWidening() const;
    // The largest client area that keeps the whole window within the screen's available area.
    QSize largestClientSize() const;

    std::unique_ptr<Prompts> m_ownPrompts;
    std::unique_ptr<GameLauncher> m_ownGame;
    std::unique_ptr<Editor> m_editor;

    CurrentObjectPanel* m_currentObjectPanel;
    ObjectListPanel* m_objectListPanel;
    QScrollArea* m_canvasArea;
    SurfaceCanvas* m_canvas;
    QAction* m_showBoxAction = nullptr;
    int m_panelWidth = kPanelWidth;
    QAction* m_deleteObjectAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};
