#include "editor.h"

#include <QRegion>

#include "change_pictures.h"
#include "derived_pictures.h"
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

Editor::Editor(std::string programFolder, EditorServices services)
    : m_programFolder(std::move(programFolder)), m_services(services)
{
}

void Editor::start()
{
    m_canvasFrame.invalidate();
    if (!loadTheme(ThemeFiles::kDefaultTheme))
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
    m_canvasFrame.invalidate();
    ThemeReadResult result = readThemePackage(m_programFolder, name);
    if (!result) {
        const bool starting = !m_rendering;
        m_services.prompts.message("Theme not loaded",
                                   "The theme folder \"" + themeFolder(m_programFolder, name) +
                                       "\" cannot be loaded.\r\n" + result.error().message + "\r\n" +
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
    m_canvasFrame.invalidate();
    ::newTheme(m_workspace, m_list);
    m_services.view.showObjectList();
    m_services.view.showCurrentObject();
}

void Editor::newObject()
{
    m_canvasFrame.invalidate();
    if (!::newObject(m_workspace, m_list, m_services.prompts))
        return;
    setListPanelHeight();
    m_services.view.showObjectList();
}

void Editor::loadChosenTheme()
{
    // Cancel keeps the workspace as it is, unsaved edits and all.
    const std::optional<std::string> chosen = m_services.prompts.chooseTheme(m_programFolder);
    if (chosen && loadTheme(*chosen))
        m_workspace.themeName = *chosen;
}

void Editor::saveTheme()
{
    m_canvasFrame.invalidate();
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
    const std::vector<std::string> failures = ::saveTheme(m_programFolder, m_workspace, *entered);
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
    m_canvasFrame.invalidate();
    if (::changeBackground(m_workspace, m_services.prompts))
        m_services.view.setCanvasSize(m_workspace.canvasWidth, m_workspace.canvasHeight);
}

void Editor::changeContainer()
{
    m_canvasFrame.invalidate();
    ::changeContainer(m_workspace, m_services.prompts);
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
