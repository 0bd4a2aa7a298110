#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
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
        const QRect itemRect = dialog.file1()->visualItemRect(items.front());
        QTest::mouseClick(dialog.file1()->viewport(), Qt::LeftButton, {}, itemRect.center());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.chosenFile();
    }
    std::string folder;
    std::string file;
};

// Lets Qt deliver what is pending; once the render loop runs, each pass also takes the test's next step.
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

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnTheShippedTheme1();
    void loadsTheSecondThemeWithItsOwnTubes();
    void addsObjectsUpTo21AndTheListScrolls();
    void givesObjectsNewPicturesThroughOpenDg();
    void dragsTheObjectAndTheBox();

private:
    // Runs the editor as the program does, with `check` run once the first frame is shown.
    void runWith(std::function<void()> check)
    {
        m_pump->steps = {std::move(check), [this] { m_window->close(); }};
        m_window->run();
        QVERIFY(!m_window->isVisible());
    }
    const Workspace& ws() { return m_window->editor().workspace(); }
    ObjectListPanel* list() { return m_window->objectListPanel(); }

    void sendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        SurfaceCanvas* canvas = m_window->canvas();
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    }
    // A solid pixel of a mask whose corner is at (x, y), on the canvas.
    static QPointF solidPoint(const Surface& mask, int x, int y)
    {
        for (int my = mask.height() / 2; my < mask.height(); ++my)
            for (int mx = mask.width() / 2; mx < mask.width(); ++mx)
                if (mask.pixel(mx, my) == kBlack)
                    return QPointF(x + mx + 0.25, y + my + 0.25);
        return {};
    }

    QTemporaryDir m_folder;
    std::unique_ptr<OpenDgPrompts> m_prompts;
    std::unique_ptr<StepPump> m_pump;
    std::unique_ptr<EditorWindow> m_window;
};

void EditorWindowTest::init()
{
    for (const char* theme : {"Theme1", "Workshop"})
        QVERIFY(QProcess::execute("cp",
                                  {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/") + theme, m_folder.path()}) == 0);
    m_prompts = std::make_unique<OpenDgPrompts>();
    m_pump = std::make_unique<StepPump>();
    m_window =
        std::make_unique<EditorWindow>(m_folder.path().toStdString(), EditorWindowServices{*m_pump, m_prompts.get()});
    m_pump->editor = &m_window->editor();
}

void EditorWindowTest::cleanup()
{
    m_window.reset();
    m_pump.reset();
    m_prompts.reset();
}

void EditorWindowTest::startsOnTheShippedTheme1()
{
    runWith([this] {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Create"));
        QCOMPARE(list()->rowCount(), 6);
        QVERIFY(list()->option(0)->isChecked());
        QCOMPARE(list()->option(5)->text(), QStringLiteral("Object 6"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(264 + 305 + 10, 8 + 241 + 10));
        const ObjectPictures& object = ws().objects[0];
        QCOMPARE(m_window->currentObjectPanel()->picSCont()->size(),
                 QSize(object.ImgContS.width(), object.ImgContS.height()));
        QVERIFY(object.ImgContS == makeDefaultTube(object.imgSprS.width(), object.imgSprS.height()).picture);
        QCOMPARE(m_window->canvas()->shownImage().size(), QSize(305, 241));
        QVERIFY(m_prompts->messages.empty());
    });
}

void EditorWindowTest::loadsTheSecondThemeWithItsOwnTubes()
{
    runWith([this] {
        m_prompts->chosenTheme = "Workshop";
        m_window->action("mnuLoad_Theme")->trigger();
        const ThemeReadResult workshop = readThemePackage(m_folder.path().toStdString(), "Workshop");
        QVERIFY(workshop.ok());
        QCOMPARE(list()->rowCount(), 12);
        QCOMPARE(ws().objectCount(), 12);
        for (int i = 0; i < 12; ++i)
            QVERIFY(ws().objects[static_cast<std::size_t>(i)].ImgContS ==
                    workshop.value().objects[static_cast<std::size_t>(i)].tube);
        QCOMPARE(m_window->canvas()->size(), QSize(305, 241));
    });
}

void EditorWindowTest::addsObjectsUpTo21AndTheListScrolls()
{
    runWith([this] {
        QAction* newObject = m_window->action("mnuNew_Object");
        for (int i = 6; i < 21; ++i)
            newObject->trigger();
        QCOMPARE(list()->rowCount(), 21);
        QCOMPARE(list()->option(20)->text(), QStringLiteral("Object 21"));
        QVERIFY(!list()->option(20)->isChecked());
        QVERIFY(m_prompts->messages.empty());
        newObject->trigger();
        QCOMPARE(list()->rowCount(), 21);
        QCOMPARE(m_prompts->messages.size(), std::size_t{1});
        // The rows do not fit: the list stays below the Current Object panel and inside the window, and scrolls.
        QVERIFY(list()->geometry().top() > m_window->currentObjectPanel()->geometry().bottom());
        QVERIFY(list()->geometry().bottom() < m_window->centralWidget()->height());
        QVERIFY(list()->scrollArea()->verticalScrollBar()->maximum() > 0);
    });
}

void EditorWindowTest::givesObjectsNewPicturesThroughOpenDg()
{
    QTemporaryDir pictures;
    const std::string folder = pictures.path().toStdString();
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::white);
    QVERIFY(photo.save(pictures.filePath("PHOTO.JPG"), "JPG"));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QVERIFY(icon.save(pictures.filePath("tool.ico"), "ICO"));
    writeBytes(folder + "/shape.wmf", redEllipseMetafile(48, 36));
    m_prompts->folder = folder;

    runWith([this] {
        const std::pair<const char*, QSize> files[] = {
            {"PHOTO.JPG", QSize(40, 30)}, {"tool.ico", QSize(32, 32)}, {"shape.wmf", QSize(48, 36)}};
        for (int row = 0; row < 3; ++row) {
            m_prompts->file = files[row].first;
            QTest::mouseClick(list()->thumbnail(row), Qt::LeftButton);
            const ObjectPictures& object = ws().objects[static_cast<std::size_t>(row)];
            const QSize expected = files[row].second;
            QCOMPARE(QSize(object.imgSprS.width(), object.imgSprS.height()), expected);
            QVERIFY(object.ImgContS == makeDefaultTube(expected.width(), expected.height()).picture);
            QCOMPARE(ws().CurObj, row);
            QVERIFY(list()->option(row)->isChecked());
            QCOMPARE(m_window->currentObjectPanel()->picSprite()->size(), expected);
        }
        // The ellipse on white: its mask is solid in the middle and clear in the corner.
        QVERIFY(ws().objects[2].imgSprM.pixel(24, 18) == kBlack);
        QVERIFY(ws().objects[2].imgSprM.pixel(0, 0) == kWhite);
        QVERIFY(m_prompts->messages.empty());
    });
}

void EditorWindowTest::dragsTheObjectAndTheBox()
{
    runWith([this] {
        const int x = ws().ObjX[0];
        const int y = ws().ObjY[0];
        const QPointF grab = solidPoint(ws().objects[0].imgSprM, x, y);
        sendMouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        sendMouse(QEvent::MouseMove, grab, Qt::NoButton, Qt::LeftButton);
        sendMouse(QEvent::MouseMove, grab + QPointF(-9, -6), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(list()->xLabel(0)->text(), QString::number(x - 9));
        QCOMPARE(list()->yLabel(0)->text(), QString::number(y - 6));
        sendMouse(QEvent::MouseButtonRelease, grab + QPointF(-9, -6), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(int(ws().ContX[0]), x - 9 - 5);
        QCOMPARE(int(ws().ContY[0]), y - 6 - ws().objects[0].ImgContS.height() + 5 + ws().objects[0].imgSprS.height());

        const int boxX = ws().BoxX;
        const int boxY = ws().BoxY;
        const QPointF onBox = solidPoint(ws().picPlainM, boxX, boxY);
        sendMouse(QEvent::MouseButtonPress, onBox, Qt::LeftButton, Qt::LeftButton);
        sendMouse(QEvent::MouseMove, onBox + QPointF(3, 2), Qt::NoButton, Qt::LeftButton);
        sendMouse(QEvent::MouseButtonRelease, onBox + QPointF(3, 2), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(QPoint(ws().BoxX, ws().BoxY), QPoint(boxX + 3, boxY + 2));
        QCOMPARE(int(ws().ObjX[0]), x - 9);
    });
}

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
