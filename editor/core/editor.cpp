#include "editor.h"

#include "ask_for_theme.h"
#include "change_pictures.h"
#include "derived_pictures.h"
#include "editor_frame.h"
#include "editor_layout.h"
#include "editor_view.h"
#include "object_commands.h"
#include "prompts.h"
#include "pump.h"
#include "save_theme.h"
#include "theme_description_rules.h"
#include "theme_files.h"
#include "theme_reader.h"
#include "workspace_loading.h"

Editor::Editor(ThemeLocations themes, EditorServices services) : m_themes(std::move(themes)), m_services(services) {}

Editor::Editor(const std::string& programFolder, EditorServices services)
    : Editor(ThemeLocations::portable(programFolder), services)
{
}

void Editor::start(const std::string& firstTheme)
{
    if (!loadTheme(firstTheme))
        takeTheme(starterTheme(m_workspace.canvasWidth, m_workspace.canvasHeight));
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
    const std::optional<ThemeEntry> theme = m_themes.findTheme(name);
    ThemeReadResult result =
        theme ? readThemeFolder(theme->folder, name) : ThemeReadResult::failure(missingTheme(name));
    if (!result) {
        const bool starting = !m_rendering;
        m_services.prompts.message("Theme not loaded",
                                   "The theme folder \"" + m_themes.themeFolder(name) + "\" cannot be loaded.\r\n" +
                                       result.error().message + "\r\n" +
                                       (starting ? "The editor starts with a theme of its own."
                                                 : "The theme you are editing stays as it was."),
                                   MessageIcon::Exclamation);
        return false;
    }
    takeTheme(std::move(result.value()));
    return true;
}

void Editor::takeTheme(ThemePackage package)
{
    applyThemePackage(m_workspace, std::move(package));
    rebuildObjectList(m_list, m_workspace.objectCount());
    selectObject(0);
    setListPanelHeight();
    m_services.view.showObjectList();
}

void Editor::runRenderLoop()
{
    m_rendering = true;
    while (!m_stopRendering) {
        composeEditorFrame(m_backBuffer, m_workspace);
        if (m_backBuffer != m_shownFrame) {
            std::swap(m_backBuffer, m_shownFrame);
            m_services.view.present(m_shownFrame);
            ++m_framesShown;
            m_services.pump.processPendingEvents();
        } else {
            m_services.pump.waitForEvents();
        }
    }
    m_rendering = false;
}

void Editor::windowClosing()
{
    m_stopRendering = true;
}

void Editor::newTheme()
{
    ::newTheme(m_workspace, m_list);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
}

void Editor::newObject()
{
    if (!::newObject(m_workspace, m_list, m_services.prompts))
        return;
    setListPanelHeight();
    m_services.view.showObjectList();
}

void Editor::loadChosenTheme()
{
    // Cancel keeps the workspace as it is, unsaved edits and all.
    const std::optional<std::string> chosen = askForTheme(m_services.prompts, m_themes);
    if (chosen && loadTheme(*chosen))
        m_workspace.themeName = *chosen;
}

void Editor::saveTheme()
{
    const std::optional<ThemeDescription> entered = m_services.prompts.describeTheme();
    if (!entered || entered->dateLine.empty()) {
        m_services.prompts.message("", "Save aborted", MessageIcon::None);
        return;
    }
    // The dialog refuses such entries already; nothing may reach the disk that would write outside the
    // program folder or corrupt a record, whoever answered the dialog.
    if (const std::optional<std::string> problem = themeDescriptionProblem(*entered)) {
        m_services.prompts.message("Theme not saved", *problem + "\r\nNothing was written.", MessageIcon::Exclamation);
        return;
    }
    m_workspace.themeName = entered->name;
    const std::vector<std::string> failures = ::saveTheme(m_themes.userThemeFolder(), m_workspace, *entered);
    if (failures.empty())
        return;
    std::string text =
        "The theme \"" + entered->name + "\" was not saved completely. These files could not be written:";
    for (const std::string& failure : failures)
        text += "\r\n" + failure;
    m_services.prompts.message("Theme not saved completely", text, MessageIcon::Exclamation);
}

void Editor::quit()
{
    windowClosing();
    m_services.view.closeWindow();
}

void Editor::changeBackground()
{
    if (::changeBackground(m_workspace, m_services.prompts))
        m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
}

void Editor::changeContainer()
{
    ::changeContainer(m_workspace, m_services.prompts);
}

void Editor::toggleShowBox()
{
    m_workspace.showBox = !m_workspace.showBox;
    m_services.view.showBoxCheck(m_workspace.showBox);
}

void Editor::chooseObject(int row)
{
    if (row >= 0 && row < m_workspace.objectCount())
        markAndSelect(row);
}

void Editor::changeObjectPicture(int row)
{
    if (row < 0 || row >= m_workspace.objectCount() || !::changeObjectPicture(m_workspace, row, m_services.prompts))
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

void Editor::canvasMoved(double x, double y)
{
    if (m_drag.move(m_workspace, x, y) != DragMove::Object)
        return;
    const int current = m_workspace.currentObject;
    m_list.labels[static_cast<std::size_t>(current)] = {std::to_string(m_workspace.objectX[current]),
                                                        std::to_string(m_workspace.objectY[current])};
    m_services.view.showRowLabels(current);
}

void Editor::canvasReleased()
{
    m_drag.release(m_workspace);
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
    m_list.panelHeight = listPanelHeight(m_list.rows(), m_services.view.twipsPerPixelY());
}
