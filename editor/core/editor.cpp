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
#include "save_theme.h"
#include "theme_description_rules.h"
#include "theme_files.h"
#include "theme_reader.h"
#include "workspace_limits.h"
#include "workspace_loading.h"

namespace {

// A failed save names this many files at most, so that its message fits on the screen.
constexpr std::size_t kMostFailuresNamed = 10;

}  // namespace

Editor::Editor(ThemeLocations themes, EditorServices services)
    : m_themes(std::move(themes)), m_services(services), m_prompts(services.prompts, [this] { endDrag(); })
{
}

Editor::Editor(const std::string& programFolder, EditorServices services)
    : Editor(ThemeLocations::portable(programFolder), services)
{
}

void Editor::start(const std::string& firstTheme)
{
    m_canvasFrame.invalidate();
    std::optional<ThemePackage> theme = readTheme(firstTheme, true);
    // The theme started on is the one the chooser starts on, until another is loaded or saved.
    if (theme)
        m_workspace.themeName = firstTheme;
    takeTheme(theme ? std::move(*theme) : starterTheme(m_workspace.canvasWidth, m_workspace.canvasHeight));
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
    takeTheme(std::move(*package));
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

void Editor::takeTheme(ThemePackage package)
{
    applyThemePackage(m_workspace, std::move(package));
    m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    rebuildObjectList(m_list, m_workspace.objectCount());
    selectObject(0);
    setListPanelHeight();
    m_services.view.showObjectList();
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

void Editor::windowClosing()
{
    m_stopRendering = true;
}

void Editor::newTheme()
{
    endDrag();
    m_canvasFrame.invalidate();
    ::newTheme(m_workspace, m_list);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
}

void Editor::newObject()
{
    m_canvasFrame.invalidate();
    if (!::newObject(m_workspace, m_list, m_prompts))
        return;
    setListPanelHeight();
    m_services.view.showObjectList();
}

void Editor::loadChosenTheme()
{
    // Cancel keeps the workspace as it is, unsaved edits and all.
    const std::optional<std::string> chosen = askForTheme(m_prompts, m_themes, m_workspace.themeName);
    if (!chosen || !loadTheme(*chosen))
        return;
    m_workspace.themeName = *chosen;
    const ClientSize client = startupClientSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
    m_services.view.growClientSize(client.width, client.height);
}

void Editor::saveTheme()
{
    m_canvasFrame.invalidate();
    if (const std::optional<std::string> problem = themePicturesLimitProblem(pictureSizesOf(m_workspace).all())) {
        m_prompts.message(
            "Theme not saved",
            "The theme cannot be saved: " + *problem + ", and neither program could load it.\r\nNothing was written.",
            MessageIcon::Exclamation);
        return;
    }
    const std::optional<ThemeDescription> entered = m_prompts.describeTheme();
    if (!entered || entered->dateLine.empty()) {
        m_prompts.message("", "Save aborted", MessageIcon::None);
        return;
    }
    // The dialog refuses such entries already; nothing may reach the disk that would write outside the
    // program folder or corrupt a record, whoever answered the dialog.
    if (const std::optional<std::string> problem = themeDescriptionProblem(*entered)) {
        m_prompts.message("Theme not saved", *problem + "\r\nNothing was written.", MessageIcon::Exclamation);
        return;
    }
    m_workspace.themeName = entered->name;
    const std::vector<std::string> failures = ::saveTheme(m_themes.userThemeFolder(), m_workspace, *entered);
    if (failures.empty())
        return;
    std::string text =
        "The theme \"" + entered->name + "\" was not saved completely. These files could not be written:";
    for (std::size_t i = 0; i < failures.size() && i < kMostFailuresNamed; ++i)
        text += "\r\n" + failures[i];
    if (failures.size() > kMostFailuresNamed)
        text += "\r\nand " + std::to_string(failures.size() - kMostFailuresNamed) + " more.";
    m_prompts.message("Theme not saved completely", text, MessageIcon::Exclamation);
}

void Editor::quit()
{
    windowClosing();
    m_services.view.closeWindow();
}

void Editor::changeBackground()
{
    m_canvasFrame.invalidate();
    if (::changeBackground(m_workspace, m_prompts))
        m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
}

void Editor::changeContainer()
{
    m_canvasFrame.invalidate();
    ::changeContainer(m_workspace, m_prompts);
}

void Editor::toggleShowBox()
{
    m_canvasFrame.invalidate();
    m_workspace.showBox = !m_workspace.showBox;
    m_services.view.showBoxCheck(m_workspace.showBox);
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
    if (row < 0 || row >= m_workspace.objectCount() || !::changeObjectPicture(m_workspace, row, m_prompts))
        return;
    m_services.view.showObjectList();
    markAndSelect(row);
}

void Editor::changeCurrentObject()
{
    changeObjectPicture(m_workspace.currentObject);
}

void Editor::canvasPressed(int button, double x, double y)
{
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
    m_drag.release(m_workspace);
}

void Editor::endDrag()
{
    if (m_drag.buttonHeld)
        canvasReleased();
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
