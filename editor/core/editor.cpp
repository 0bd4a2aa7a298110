#include "editor.h"

#include <QRegion>

#include "ask_for_theme.h"
#include "change_pictures.h"
#include "derived_pictures.h"
#include "editor_layout.h"
#include "editor_view.h"
#include "file_lookup.h"
#include "object_commands.h"
#include "prompts.h"
#include "pump.h"
#include "save_command.h"
#include "theme_export.h"
#include "theme_files.h"
#include "theme_reader.h"
#include "workspace_loading.h"

namespace {

std::string objectName(int index)
{
    return "Object " + std::to_string(index + 1);
}

}  // namespace

Editor::Editor(ThemeLocations themes, EditorServices services)
    : m_themes(std::move(themes)),
      m_services(services),
      m_prompts(services.prompts, [this] { endDrag(); }),
      m_history([this](const EditorState& state) { restore(state); }),
      m_playTest(services.game)
{
}

Editor::Editor(const std::string& programFolder, EditorServices services)
    : Editor(ThemeLocations::portable(programFolder), services)
{
}

void Editor::start()
{
    startOn(ThemeFiles::kDefaultTheme, false);
}

void Editor::start(const std::string& openedTheme)
{
    startOn(openedTheme, true);
}

void Editor::startOn(const std::string& firstTheme, bool opened)
{
    m_canvasFrame.invalidate();
    std::optional<ThemePackage> theme = readTheme(firstTheme, true);
    m_themeName = theme ? firstTheme : std::string();
    if (theme)
        takeTheme(std::move(*theme), firstTheme, opened);
    else
        takeTheme(starterTheme(m_workspace.canvasWidth, m_workspace.canvasHeight), firstTheme, false);
    m_workspace.showBox = true;
    // The theme at start-up gets fresh tubes and masks made from its pictures, whatever its files held.
    for (int i = 0; i < m_workspace.objectCount(); ++i) {
        drawDefaultTube(m_workspace, i);
        m_services.pump.processPendingEvents();
        deriveObjectMask(m_workspace, i);
    }
    markAndSelect(0);
    const ClientSize client = startupClientSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    m_services.view.setClientSize(client.width, client.height);
    m_services.view.showBoxCheck(m_workspace.showBox);
    m_services.pump.processPendingEvents();
}

bool Editor::loadTheme(const std::string& name)
{
    endDrag();
    m_canvasFrame.invalidate();
    std::optional<ThemePackage> package = readTheme(name, false);
    if (!package)
        return false;
    takeTheme(std::move(*package), name, true);
    return true;
}

std::optional<ThemePackage> Editor::readTheme(const std::string& name, bool starting)
{
    const std::string folder = m_themes.themeFolder(name);
    const std::optional<ThemeEntry> theme = m_themes.findTheme(name);
    ThemeReadResult result =
        theme ? readThemeFolder(theme->folder, name) : ThemeReadResult::failure(missingTheme(name));
    std::string problem = result ? std::string() : result.error().message;
    // A later load keeps object 1 of the theme before; at start-up there is none, and nothing to edit.
    if (result && starting && result.value().objects.empty())
        problem = "\"" + findInFolder(folder, ThemeFiles::kPositions) + "\" holds no objects.";
    if (problem.empty())
        return std::move(result.value());
    m_prompts.message(
        "Theme not loaded",
        "The theme folder \"" + folder + "\" cannot be loaded.\r\n" + problem + "\r\n" +
            (starting ? "The editor starts with a theme of its own." : "The theme you are editing stays as it was."),
        MessageIcon::Exclamation);
    return std::nullopt;
}

void Editor::takeTheme(ThemePackage package, const std::string& name, bool remembered)
{
    if (remembered)
        m_workspace.themeDescription = ThemeDescription{name, package.description, package.dateLine};
    else
        m_workspace.themeDescription.reset();
    applyThemePackage(m_workspace, std::move(package));
    m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    rebuildObjectList(m_list, m_workspace.objectCount());
    selectObject(0);
    setListPanelHeight();
    m_services.view.showObjectList();
    m_history.clear();
    showHistory();
}

void Editor::runRenderLoop()
{
    m_rendering = true;
    while (!m_stopRendering) {
        const QRegion changed = m_canvasFrame.update(m_workspace);
        if (changed.isEmpty()) {
            m_services.pump.waitForEvents();
            continue;
        }
        m_services.view.present(m_canvasFrame.pixels(), changed);
        ++m_framesShown;
        m_services.pump.processPendingEvents();
    }
    m_rendering = false;
}

bool Editor::mayClose()
{
    if (m_stopRendering)
        return true;
    // A drag still going on is a change too.
    endDrag();
    return settleUnsavedChanges();
}

void Editor::windowClosing()
{
    m_stopRendering = true;
    m_playTest.stop();
}

bool Editor::settleUnsavedChanges()
{
    if (!m_history.hasUnsavedChanges())
        return true;
    switch (
        m_prompts.ask("", "Save changes to the theme?", MessageIcon::Exclamation, QuestionButtons::SaveDiscardCancel)) {
        case Answer::Save:
            return saveTheme();
        case Answer::Discard:
            return true;
        default:
            return false;
    }
}

void Editor::newTheme()
{
    endDrag();
    m_canvasFrame.invalidate();
    if (!settleUnsavedChanges())
        return;
    const EditorState before = state();
    ::newTheme(m_workspace, m_list);
    recordStep("New", before);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
}

void Editor::newObject()
{
    endDrag();
    m_canvasFrame.invalidate();
    const EditorState before = state();
    if (!::newObject(m_workspace, m_list, m_prompts))
        return;
    setListPanelHeight();
    recordStep("New Object", before);
    m_services.view.showObjectList();
}

void Editor::deleteObject()
{
    endDrag();
    m_canvasFrame.invalidate();
    const EditorState before = state();
    const int deleted = m_workspace.currentObject;
    if (!::deleteObject(m_workspace, m_list, deleted))
        return;
    setListPanelHeight();
    recordStep("Delete " + objectName(deleted), before);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
}

void Editor::loadChosenTheme()
{
    m_canvasFrame.invalidate();
    if (!settleUnsavedChanges())
        return;
    // Cancel keeps the workspace as it is, unsaved edits and all.
    const std::optional<std::string> chosen = askForTheme(m_prompts, m_themes, m_themeName);
    if (!chosen || !loadTheme(*chosen))
        return;
    m_themeName = *chosen;
    const ClientSize client = startupClientSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    m_services.view.growClientSize(client.width, client.height);
}

bool Editor::saveTheme()
{
    m_canvasFrame.invalidate();
    const SaveOutcome outcome = saveThemeAsking(m_workspace, m_themes, m_prompts);
    // A theme written only in part is there under that name all the same.
    if (outcome.savedAs) {
        m_workspace.themeDescription = outcome.savedAs;
        m_themeName = outcome.savedAs->name;
    }
    if (!outcome.whole)
        return false;
    m_history.clear();
    showHistory();
    return true;
}

void Editor::exportTheme()
{
    m_canvasFrame.invalidate();
    if (!settleUnsavedChanges())
        return;
    if (m_themeName.empty()) {
        m_prompts.message("Export Theme", "Save the theme first: a theme is exported as it was saved.",
                          MessageIcon::Information);
        return;
    }
    const std::optional<std::string> archive =
        m_prompts.pickFile({FileDialogKind::Save, "Export Theme", "Theme archives (*.zip)", m_themeName + ".zip"});
    if (!archive)
        return;
    if (const std::optional<std::string> problem = ::exportTheme(m_themes, m_themeName, *archive))
        m_prompts.message("Export Theme", "The theme was not exported:\r\n" + *problem, MessageIcon::Exclamation);
}

void Editor::playTheme()
{
    m_canvasFrame.invalidate();
    if (refusedByLimits(m_workspace, m_prompts, "Theme not played", "played"))
        return;
    if (const std::optional<std::string> problem = m_playTest.start(m_workspace))
        m_prompts.message("Theme not played", "The game could not be started on the theme:\r\n" + *problem,
                          MessageIcon::Exclamation);
}

void Editor::quit()
{
    if (!mayClose())
        return;
    windowClosing();
    m_services.view.closeWindow();
}

void Editor::undo()
{
    endDrag();
    m_history.undo();
    showHistory();
}

void Editor::redo()
{
    endDrag();
    m_history.redo();
    showHistory();
}

void Editor::changeBackground()
{
    endDrag();
    m_canvasFrame.invalidate();
    const EditorState before = state();
    if (!::changeBackground(m_workspace, m_prompts))
        return;
    m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    recordStep("Change Background", before);
}

void Editor::changeContainer()
{
    endDrag();
    m_canvasFrame.invalidate();
    const EditorState before = state();
    if (::changeContainer(m_workspace, m_prompts))
        recordStep("Change Container", before);
}

void Editor::toggleShowBox()
{
    endDrag();
    m_canvasFrame.invalidate();
    const EditorState before = state();
    m_workspace.showBox = !m_workspace.showBox;
    m_services.view.showBoxCheck(m_workspace.showBox);
    recordStep(m_workspace.showBox ? "Show Box" : "Hide Box", before);
}

void Editor::chooseObject(int row)
{
    m_canvasFrame.invalidate();
    if (row >= 0 && row < m_workspace.objectCount())
        markAndSelect(row);
}

void Editor::changeObjectPicture(int row)
{
    m_canvasFrame.invalidate();
    if (row < 0 || row >= m_workspace.objectCount())
        return;
    endDrag();
    const EditorState before = state();
    if (!::changeObjectPicture(m_workspace, row, m_prompts))
        return;
    m_list.marked = row;
    m_workspace.currentObject = static_cast<std::int16_t>(row);
    recordStep("Change " + objectName(row), before);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
}

void Editor::changeCurrentObject()
{
    changeObjectPicture(m_workspace.currentObject);
}

void Editor::canvasPressed(int button, double x, double y)
{
    if (!m_drag.buttonHeld)
        m_gestureStart = state();
    m_drag.press(m_workspace, button, x, y);
}

void Editor::canvasMoved(double x, double y, int buttonsHeld)
{
    // A move with no button down means the release went elsewhere (to a dialog, another window): the drag ends
    // as the release would have ended it.
    if (buttonsHeld == 0) {
        endDrag();
        return;
    }
    if (m_drag.move(m_workspace, x, y) != DragMove::Object)
        return;
    m_services.view.showRowLabels(m_workspace.currentObject);
}

void Editor::canvasReleased()
{
    // A release whose press went elsewhere still places the tube, a step of its own.
    const EditorState before = m_gestureStart ? std::move(*m_gestureStart) : state();
    m_gestureStart.reset();
    m_drag.release(m_workspace);
    recordStep(gestureName(before.workspace), before);
}

std::string Editor::gestureName(const Workspace& before) const
{
    const int current = m_workspace.currentObject;
    const bool objectMoved = before.objectX[current] != m_workspace.objectX[current] ||
                             before.objectY[current] != m_workspace.objectY[current];
    const bool boxMoved = before.boxX != m_workspace.boxX || before.boxY != m_workspace.boxY;
    if (objectMoved)
        return "Move " + objectName(current) + (boxMoved ? " and Box" : "");
    if (boxMoved)
        return "Move Box";
    return "Place Tube " + std::to_string(current + 1);
}

void Editor::endDrag()
{
    if (m_drag.buttonHeld)
        canvasReleased();
}

void Editor::recordStep(const std::string& name, const EditorState& before)
{
    m_history.shareHeldPictures(m_workspace, before.workspace);
    EditorState after = state();
    if (after == before)
        return;
    m_history.record(name, before, std::move(after));
    showHistory();
    restartGesture();
}

void Editor::restore(const EditorState& state)
{
    m_workspace = state.workspace;
    m_list = state.list;
    m_canvasFrame.invalidate();
    m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
    m_services.view.showBoxCheck(m_workspace.showBox);
    restartGesture();
}

void Editor::restartGesture()
{
    if (m_gestureStart)
        m_gestureStart = state();
}

void Editor::showHistory()
{
    m_services.view.showHistory(m_history.undoStep(), m_history.redoStep(), m_history.hasUnsavedChanges());
}

void Editor::selectObject(int index)
{
    m_workspace.currentObject = static_cast<std::int16_t>(index);
    m_services.view.showCurrentObject();
}

void Editor::markAndSelect(int index)
{
    m_list.marked = index;
    selectObject(index);
}

void Editor::setListPanelHeight()
{
    m_list.panelHeight = listPanelHeight(m_list.rows, m_services.view.twipsPerPixelY());
}
