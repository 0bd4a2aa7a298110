#include "editor_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

#include "current_object_panel.h"
#include "editor_layout.h"
#include "frm_save.h"
#include "object_list_panel.h"
#include "open_dg.h"
#include "qt_prompts.h"
#include "surface_canvas.h"

namespace {

const char* const kProgramTitle = "Ornavel";
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

EditorWindow::EditorWindow(const std::string& programFolder, EditorWindowServices services)
{
    Prompts* prompts = services.prompts;
    if (!prompts) {
        ProgramDialogs dialogs;
        dialogs.openPicture = [](QWidget* parent) { return showOpenDg(parent); };
        dialogs.describeTheme = [](QWidget* parent, Prompts& prompts) { return showFrmSave(parent, prompts); };
        m_ownPrompts = std::make_unique<QtPrompts>(this, kProgramTitle, std::move(dialogs));
        prompts = m_ownPrompts.get();
    }
    m_editor = std::make_unique<Editor>(programFolder, EditorServices{*prompts, services.pump, *this});

    setWindowTitle(QStringLiteral("Create"));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    m_fraObject = new CurrentObjectPanel(client);
    m_fraObject->setGeometry(kPanelLeft, kObjectPanelTop, kPanelWidth, objectPanelHeight(0));
    m_fraObjectList = new ObjectListPanel(client);
    m_picCanvas = new SurfaceCanvas(client);
    m_picCanvas->move(kCanvasLeft, kCanvasTop);
    m_picCanvas->setCanvasSize(kInitialCanvasWidth, kInitialCanvasHeight);
    buildMenus();
    connectControls();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("&New"), QStringLiteral("mnuNew"), &Editor::mnuNew_Click)
        ->setShortcut(QKeySequence::New);
    addCommand(file, QStringLiteral("New &Object"), QStringLiteral("mnuNew_Object"), &Editor::mnuNew_Object_Click);
    file->addSeparator();
    addCommand(file, QStringLiteral("&Save Theme"), QStringLiteral("mnuSave_Theme"), &Editor::mnuSave_Theme_Click)
        ->setShortcut(QKeySequence::Save);
    addCommand(file, QStringLiteral("&Load theme"), QStringLiteral("mnuLoad_Theme"), &Editor::mnuLoad_Theme_Click)
        ->setShortcut(QKeySequence::Open);
    file->addSeparator();
    addCommand(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), &Editor::mnuExit_Click)
        ->setShortcut(QKeySequence::Quit);

    QMenu* change = menuBar()->addMenu(QStringLiteral("&Change"));
    addCommand(change, QStringLiteral("Change &Background"), QStringLiteral("mnuChgBG"), &Editor::mnuChgBG_Click);
    addCommand(change, QStringLiteral("Change &Container"), QStringLiteral("mnuChgBox"), &Editor::mnuChgBox_Click);
    addCommand(change, QStringLiteral("Change Current &Object"), QStringLiteral("mnuChgSpr"), &Editor::mnuChgSpr_Click);
    change->addSeparator();
    m_mnuShowBox =
        addCommand(change, QStringLiteral("&Show Box"), QStringLiteral("mnuShowBox"), &Editor::mnuShowBox_Click);
    m_mnuShowBox->setCheckable(true);
    m_mnuShowBox->setChecked(true);
}

QAction* EditorWindow::addCommand(QMenu* menu, const QString& caption, const QString& name, void (Editor::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (m_editor.get()->*handler)(); });
    return action;
}

QAction* EditorWindow::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void EditorWindow::connectControls()
{
    connect(m_fraObject, &CurrentObjectPanel::pictureClicked, this, [this] { m_editor->picSprite_Click(); });
    connect(m_fraObjectList, &ObjectListPanel::optionClicked, this, [this](int row) { m_editor->CurSpr_Click(row); });
    connect(m_fraObjectList, &ObjectListPanel::thumbnailClicked, this,
            [this](int row) { m_editor->imgPreview_Click(row); });
    connect(m_picCanvas, &SurfaceCanvas::mousePressed, this,
            [this](int button, double x, double y) { m_editor->picCanvas_MouseDown(button, x, y); });
    connect(m_picCanvas, &SurfaceCanvas::mouseMoved, this,
            [this](double x, double y) { m_editor->picCanvas_MouseMove(x, y); });
    connect(m_picCanvas, &SurfaceCanvas::mouseReleased, this,
            [this](int, double, double) { m_editor->picCanvas_MouseUp(); });
}

void EditorWindow::run()
{
    m_editor->Form_Load();
    show();
    m_editor->RenderLoop();
}

void EditorWindow::setCanvasSize(int width, int height)
{
    m_picCanvas->setCanvasSize(width, height);
}

void EditorWindow::setClientSize(int width, int height)
{
    resize(width, height + menuBar()->sizeHint().height());
}

void EditorWindow::present(const Surface& frame)
{
    m_picCanvas->showFrame(frame);
}

void EditorWindow::showObjectList()
{
    m_fraObjectList->showRows(m_editor->objectList(), m_editor->workspace(), twipsPerPixelY());
    picSCont_Resize();
}

void EditorWindow::showRowLabels(int row)
{
    m_fraObjectList->showLabels(m_editor->objectList(), row);
}

void EditorWindow::showCurrentObject()
{
    m_fraObject->showObject(m_editor->workspace().current());
    m_fraObjectList->showMark(m_editor->objectList());
    picSCont_Resize();
}

void EditorWindow::showBoxCheck(bool checked)
{
    m_mnuShowBox->setChecked(checked);
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

void EditorWindow::picSCont_Resize()
{
    const int panelHeight = objectPanelHeight(m_fraObject->picSCont()->height());
    m_fraObject->setGeometry(kPanelLeft, kObjectPanelTop, kPanelWidth, panelHeight);
    const ListPanelPlace place =
        placeListPanel(centralWidget()->height(), m_editor->objectList().panelHeight, kObjectPanelTop + panelHeight);
    m_fraObjectList->setGeometry(kPanelLeft, place.top, kPanelWidth, place.height);
}

void EditorWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    picSCont_Resize();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    m_editor->Form_Unload();
    event->accept();
}
