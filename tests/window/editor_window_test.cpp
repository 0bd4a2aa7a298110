#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "current_object_panel.h"
#include "default_tube.h"
#include "editor_window.h"
#include "fake_services.h"
#include "object_list_panel.h"
#include "open_dg.h"
#include "picture_thumbnail.h"
#include "surface_canvas.h"
#include "test_files.h"
#include "test_pictures.h"
#include "theme_reader.h"

namespace {

// Answers the picture-open dialog as a user would: the real dialog, moved to a folder, the file clicked in
// its list, then OK.
class OpenDgPrompts : public ScriptedPrompts {
public:
    std::optional<std::string> openPicture() override
    {
        OpenDg dialog;
        dialog.show();
        dialog.openFolder(folder);
        const QList<QListWidgetItem*> items = dialog.file1()->findItems(QString::fromStdString(file), Qt::MatchExactly);
        if (items.isEmpty())
            return std::nullopt;
        QTest::mouseClick(dialog.file1()->viewport(), Qt::LeftButton, {},
                          dialog.file1()->visualItemRect(items.front()).center());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.chosenFile();
    }
    std::string folder;
    std::string file;
};

// Lets Qt deliver what is pending; once the render loop runs, its first pass also runs the test.
class StepPump : public ScriptedPump {
public:
    void processPendingEvents() override
    {
        QCoreApplication::processEvents();
        if (editor && editor->isRendering())
            ScriptedPump::processPendingEvents();
    }
    const Editor* editor = nullptr;
};

// A solid pixel of a mask whose corner is at (x, y), on the canvas.
QPointF solidPoint(const Surface& mask, int x, int y)
{
    for (int my = mask.height() / 2; my < mask.height(); ++my)
        for (int mx = mask.width() / 2; mx < mask.width(); ++mx)
            if (mask.pixel(mx, my) == kBlack)
                return QPointF(x + mx + 0.25, y + my + 0.25);
    return {};
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void editsTheShippedThemesAsAUserWould();

private:
    const Workspace& ws() { return m_window->editor().workspace(); }
    ObjectListPanel* list() { return m_window->objectListPanel(); }
    void drag(QPointF from, QPointF by)
    {
        SurfaceCanvas* canvas = m_window->canvas();
        const auto send = [canvas](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(canvas, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, from, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
    }
    void startUp();
    void dragObjectAndBox();
    void newPicturesThroughOpenDg();
    void objectsUpTo21();
    void loadTheSecondTheme();

    QTemporaryDir m_folder;
    QTemporaryDir m_pictures;
    OpenDgPrompts m_prompts;
    StepPump m_pump;
    std::unique_ptr<EditorWindow> m_window;
};

void EditorWindowTest::editsTheShippedThemesAsAUserWould()
{
    for (const char* theme : {"Theme1", "Workshop"})
        QCOMPARE(QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/") + theme, m_folder.path()}),
                 0);
    m_window = std::make_unique<EditorWindow>(m_folder.path().toStdString(), EditorWindowServices{m_pump, &m_prompts});
    m_pump.editor = &m_window->editor();
    // Each step runs in a pass of the render loop, as the user's events would.
    m_pump.steps = {
        [this] { startUp(); },       [this] { dragObjectAndBox(); },   [this] { newPicturesThroughOpenDg(); },
        [this] { objectsUpTo21(); }, [this] { loadTheSecondTheme(); }, [this] { m_window->close(); }};
    m_window->run();
    QVERIFY(m_pump.steps.empty());
    QVERIFY(!m_window->isVisible());
}

void EditorWindowTest::startUp()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Create"));
    QCOMPARE(list()->rowCount(), 6);
    QVERIFY(list()->option(0)->isChecked());
    QCOMPARE(m_window->centralWidget()->size(), QSize(264 + 305 + 10, 8 + 241 + 10));
    const ObjectPictures& object = ws().objects[0];
    QVERIFY(object.ImgContS == makeDefaultTube(object.imgSprS.width(), object.imgSprS.height()).picture);
    QCOMPARE(m_window->currentObjectPanel()->picSCont()->size(),
             QSize(object.ImgContS.width(), object.ImgContS.height()));
    QCOMPARE(m_window->canvas()->shownImage().size(), QSize(305, 241));
    QVERIFY(m_prompts.messages.empty());
}

void EditorWindowTest::dragObjectAndBox()
{
    const int x = ws().ObjX[0];
    const int y = ws().ObjY[0];
    drag(solidPoint(ws().objects[0].imgSprM, x, y), QPointF(-9, -6));
    QCOMPARE(list()->xLabel(0)->text(), QString::number(x - 9));
    QCOMPARE(list()->yLabel(0)->text(), QString::number(y - 6));
    QCOMPARE(QPoint(ws().ContX[0], ws().ContY[0]),
             QPoint(x - 14, y - 1 - ws().objects[0].ImgContS.height() + ws().objects[0].imgSprS.height()));
    const QPoint box(ws().BoxX, ws().BoxY);
    drag(solidPoint(ws().picPlainM, box.x(), box.y()), QPointF(3, 2));
    QCOMPARE(QPoint(ws().BoxX, ws().BoxY), box + QPoint(3, 2));
    QCOMPARE(int(ws().ObjX[0]), x - 9);
}

void EditorWindowTest::newPicturesThroughOpenDg()
{
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::white);
    QVERIFY(photo.save(m_pictures.filePath("PHOTO.JPG"), "JPG"));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QVERIFY(icon.save(m_pictures.filePath("tool.ico"), "ICO"));
    writeBytes(m_pictures.filePath("shape.wmf").toStdString(), redEllipseMetafile(48, 36));
    m_prompts.folder = m_pictures.path().toStdString();
    const std::pair<const char*, QSize> files[] = {
        {"PHOTO.JPG", QSize(40, 30)}, {"tool.ico", QSize(32, 32)}, {"shape.wmf", QSize(48, 36)}};
    for (int row = 0; row < 3; ++row) {
        m_prompts.file = files[row].first;
        QTest::mouseClick(list()->thumbnail(row), Qt::LeftButton);
        const ObjectPictures& object = ws().objects[static_cast<std::size_t>(row)];
        const QSize size = files[row].second;
        QCOMPARE(QSize(object.imgSprS.width(), object.imgSprS.height()), size);
        QVERIFY(object.ImgContS == makeDefaultTube(size.width(), size.height()).picture);
        QVERIFY(ws().CurObj == row && list()->option(row)->isChecked());
        QCOMPARE(m_window->currentObjectPanel()->picSprite()->size(), size);
    }
    // The ellipse on white: its mask is solid in the middle and clear in the corner.
    QVERIFY(ws().objects[2].imgSprM.pixel(24, 18) == kBlack && ws().objects[2].imgSprM.pixel(0, 0) == kWhite);
    QVERIFY(m_prompts.messages.empty());
}

void EditorWindowTest::objectsUpTo21()
{
    for (int i = 6; i <= 21; ++i)
        m_window->action("mnuNew_Object")->trigger();
    QCOMPARE(list()->rowCount(), 21);
    QCOMPARE(list()->option(20)->text(), QStringLiteral("Object 21"));
    QVERIFY(!list()->option(20)->isChecked());
    QCOMPARE(m_prompts.messages.size(), std::size_t{1});
    // The rows do not fit: the list stays between the Current Object panel and the bottom, and scrolls.
    QVERIFY(list()->geometry().top() > m_window->currentObjectPanel()->geometry().bottom());
    QVERIFY(list()->geometry().bottom() < m_window->centralWidget()->height());
    QVERIFY(list()->scrollArea()->verticalScrollBar()->maximum() > 0);
}

void EditorWindowTest::loadTheSecondTheme()
{
    m_prompts.chosenTheme = "Workshop";
    m_window->action("mnuLoad_Theme")->trigger();
    const ThemeReadResult workshop = readThemePackage(m_folder.path().toStdString(), "Workshop");
    QVERIFY(workshop.ok());
    QCOMPARE(list()->rowCount(), 12);
    for (std::size_t i = 0; i < 12; ++i)
        QVERIFY(ws().objects[i].ImgContS == workshop.value().objects[i].tube);
    QCOMPARE(m_window->canvas()->size(), QSize(305, 241));
}

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
