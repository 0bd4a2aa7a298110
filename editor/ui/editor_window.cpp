#include "editor_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

#include "current_object_panel.h"
#include "editor_layout.h"
#include "game_process.h"
#include "object_list_panel.h"
#include "picture_open_dialog.h"
#include "qt_prompts.h"
#include "surface_canvas.h"
#include "theme_description_dialog.h"

namespace {

const char* const kProgramTitle = "Ornavel";
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

EditorWindow::EditorWindow(const std::string& programFolder, EditorWindowServices services)
    : EditorWindow(ThemeLocations::portable(programFolder), services)
{
}

EditorWindow::EditorWindow(ThemeLocations themes, EditorWindowServices services)
{
    Prompts* prompts = services.prompts;
    if (!prompts) {
        ProgramDialogs dialogs;
        dialogs.openPicture = [](QWidget* parent) { return showPictureOpenDialog(parent); };
        dialogs.describeTheme = [](QWidget* parent, Prompts& prompts, const std::optional<ThemeDescription>& offered) {
            return showThemeDescriptionDialog(parent, prompts, offered);
        };
        m_ownPrompts = std::make_unique<QtPrompts>(this, kProgramTitle, std::move(dialogs));
        prompts = m_ownPrompts.get();
    }
    GameLauncher* game = services.game;
    if (!game) {
        m_ownGame = std::make_unique<GameProcess>(QCoreApplication::applicationDirPath());
        game = m_ownGame.get();
    }
    m_editor = std::make_unique<Editor>(std::move(themes), EditorServices{*prompts, services.pump, *this, *game});

    // The title reads "Create"; the desktop shows its modified mark in place of "[*]" while changes are unsaved.
    setWindowTitle(QStringLiteral("Create[*]"));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    m_currentObjectPanel = new CurrentObjectPanel(client);
    m_currentObjectPanel->setGeometry(kPanelLeft, kObjectPanelTop, kPanelWidth, objectPanelHeight(0));
    m_objectListPanel = new ObjectListPanel(client);
    // A canvas larger than the window scrolls; the canvas reports the pointer in its own pixels wherever it is
    // scrolled to.
    m_canvasArea = new QScrollArea(client);
    m_canvasArea->setFrameShape(QFrame::NoFrame);
    m_canvasArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas = new SurfaceCanvas;
    m_canvas->setCanvasSize(kInitialCanvasWidth, kInitialCanvasHeight);
    m_canvasArea->setWidget(m_canvas);
    buildMenus();
    connectControls();
}

EditorWindow::~EditorWindow() = default;

template <typename Result>
QAction* EditorWindow::addCommand(QMenu* menu, const QString& caption, const QString& name, Result (Editor::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (m_editor.get()->*handler)(); });
    return action;
}

void EditorWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("&New"), QStringLiteral("newTheme"), &Editor::newTheme)
        ->setShortcut(QKeySequence::New);
    addCommand(file, QStringLiteral("New &Object"), QStringLiteral("newObject"), &Editor::newObject);
    m_deleteObjectAction =
        addCommand(file, QStringLiteral("&Delete Object"), QStringLiteral("deleteObject"), &Editor::deleteObject);
    m_deleteObjectAction->setShortcut(QKeySequence::Delete);
    file->addSeparator();
    addCommand(file, QStringLiteral("&Save Theme"), QStringLiteral("saveTheme"), &Editor::saveTheme)
        ->setShortcut(QKeySequence::Save);
    addCommand(file, QStringLiteral("&Load theme"), QStringLiteral("loadTheme"), &Editor::loadChosenTheme)
        ->setShortcut(QKeySequence::Open);
    addCommand(file, QStringLiteral("&Export Theme…"), QStringLiteral("exportTheme"), &Editor::exportTheme);
    addCommand(file, QStringLiteral("&Play Theme"), QStringLiteral("playTheme"), &Editor::playTheme)
        ->setShortcut(Qt::Key_F5);
    file->addSeparator();
    addCommand(file, QStringLiteral("E&xit"), QStringLiteral("quit"), &Editor::quit)->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_undoAction = addCommand(edit, QStringLiteral("&Undo"), QStringLiteral("undo"), &Editor::undo);
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction = addCommand(edit, QStringLiteral("&Redo"), QStringLiteral("redo"), &Editor::redo);
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* change = menuBar()->addMenu(QStringLiteral("&Change"));
    addCommand(change, QStringLiteral("Change &Background"), QStringLiteral("changeBackground"),
               &Editor::changeBackground);
    addCommand(change, QStringLiteral("Change &Container"), QStringLiteral("changeContainer"),
               &Editor::changeContainer);
    addCommand(change, QStringLiteral("Change Current &Object"), QStringLiteral("changeCurrentObject"),
               &Editor::changeCurrentObject);
    change->addSeparator();
    m_showBoxAction =
        addCommand(change, QStringLiteral("&Show Box"), QStringLiteral("showBox"), &Editor::toggleShowBox);
    m_showBoxAction->setCheckable(true);
    m_showBoxAction->setChecked(true);
}

QAction* EditorWindow::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void EditorWindow::connectControls()
{
    connect(m_currentObjectPanel, &CurrentObjectPanel::pictureClicked, this,
            [this] { m_editor->changeCurrentObject(); });
    connect(m_objectListPanel, &ObjectListPanel::optionClicked, this, [this](int row) { m_editor->chooseObject(row); });
    connect(m_objectListPanel, &ObjectListPanel::thumbnailClicked, this,
            [this](int row) { m_editor->changeObjectPicture(row); });
    connect(m_canvas, &SurfaceCanvas::mousePressed, this,
            [this](int button, double x, double y) { m_editor->canvasPressed(button, x, y); });
    connect(m_canvas, &SurfaceCanvas::mouseMoved, this,
            [this](double x, double y, int buttons) { m_editor->canvasMoved(x, y, buttons); });
    connect(m_canvas, &SurfaceCanvas::mouseReleased, this, [this](int, double, double) { m_editor->canvasReleased(); });
}

void EditorWindow::run()
{
    m_editor->start();
    showWindowAndRender();
}

void EditorWindow::run(const std::string& openedTheme)
{
    m_editor->start(openedTheme);
    showWindowAndRender();
}

void EditorWindow::showWindowAndRender()
{
    show();
    m_editor->runRenderLoop();
}

void EditorWindow::setCanvasSize(int width, int height)
{
    m_canvas->setCanvasSize(width, height);
}

void EditorWindow::setClientSize(int width, int height)
{
    resizeClient(width + panelsWidening(), height);
}

void EditorWindow::growClientSize(int width, int height)
{
    resizeClient(std::max(width + panelsWidening(), this->width()), std::max(height, clientHeight()));
}

void EditorWindow::resizeClient(int width, int height)
{
    const QSize most = largestClientSize();
    resize(std::min(width, most.width()), std::min(height, most.height()) + menuBar()->sizeHint().height());
}

int EditorWindow::panelsWidening() const
{
    return m_panelWidth - kPanelWidth;
}

int EditorWindow::clientHeight() const
{
    return height() - menuBar()->sizeHint().height();
}

QSize EditorWindow::largestClientSize() const
{
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The frame's size is known once the window manager has framed the window; until then it counts as none.
    const QSize frame = frameGeometry().size() - geometry().size();
    return shownOn->availableGeometry().size() - frame - QSize(0, menuBar()->sizeHint().height());
}

void EditorWindow::present(const Surface& frame, const QRegion& changed)
{
    m_canvas->showFrame(frame, changed);
}

void EditorWindow::showObjectList()
{
    m_objectListPanel->showRows(m_editor->objectList(), m_editor->workspace(), twipsPerPixelY());
    m_deleteObjectAction->setEnabled(m_editor->canDeleteObject());
    layOutPanels();
}

void EditorWindow::showRowLabels(int row)
{
    m_objectListPanel->showLabels(m_editor->workspace(), row);
}

void EditorWindow::showCurrentObject()
{
    m_currentObjectPanel->showObject(m_editor->workspace().current());
    m_objectListPanel->showMark(m_editor->objectList());
    layOutPanels();
}

void EditorWindow::showBoxCheck(bool checked)
{
    m_showBoxAction->setChecked(checked);
}

void EditorWindow::showHistory(const std::optional<std::string>& undoStep, const std::optional<std::string>& redoStep,
                               bool unsavedChanges)
{
    for (const auto& [action, caption, step] : {std::tuple(m_undoAction, QStringLiteral("&Undo"), undoStep),
                                                std::tuple(m_redoAction, QStringLiteral("&Redo"), redoStep)}) {
        action->setEnabled(step.has_value());
        action->setText(step ? caption + QLatin1Char(' ') + QString::fromStdString(*step) : caption);
    }
    setWindowModified(unsavedChanges);
}

void EditorWindow::closeWindow()
{
    close();
}

double EditorWindow::twipsPerPixelY()
{
    const int dpi = logicalDpiY();
    return dpi > 0 ? kTwipsPerInch / dpi : kUsualTwipsPerPixel;
}

void EditorWindow::layOutPanels()
{
    // The panels grow to the width the list's texts need; the canvas and the window's right edge move with them.
    const int panelWidth = std::max(kPanelWidth, m_objectListPanel->minimumSizeHint().width());
    if (panelWidth != m_panelWidth) {
        const int widened = panelWidth - m_panelWidth;
        m_panelWidth = panelWidth;
        resizeClient(width() + widened, clientHeight());
    }
    const int panelHeight = objectPanelHeight(m_currentObjectPanel->tubeView()->height());
    m_currentObjectPanel->setGeometry(kPanelLeft, kObjectPanelTop, m_panelWidth, panelHeight);
    const int objectPanelBottom = kObjectPanelTop + panelHeight;
    const double leastListHeight = leastListPanelHeight(m_editor->objectList().rows, twipsPerPixelY());
    // The list never shrinks below its least height: the window grows to make room, and no smaller than that.
    const int neededHeight = leftColumnHeight(objectPanelBottom, leastListHeight);
    setMinimumHeight(neededHeight + menuBar()->sizeHint().height());
    if (clientHeight() < neededHeight)
        resizeClient(width(), neededHeight);
    const ListPanelPlace place =
        placeListPanel(clientHeight(), m_editor->objectList().panelHeight, objectPanelBottom, leastListHeight);
    m_objectListPanel->setGeometry(kPanelLeft, place.top, m_panelWidth, place.height);
    const ClientSize area = canvasAreaSize(width() - panelsWidening(), clientHeight());
    m_canvasArea->setGeometry(kCanvasLeft + panelsWidening(), kCanvasTop, area.width, area.height);
}

void EditorWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layOutPanels();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (!m_editor->mayClose()) {
        event->ignore();
        return;
    }
    m_editor->windowClosing();
    event->accept();
}
