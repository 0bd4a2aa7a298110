#include <QtTest>
#include <QtWidgets>

#include "current_object_panel.h"
#include "editor_layout.h"
#include "editor_window.h"
#include "fake_services.h"
#include "object_list_panel.h"
#include "picture_file.h"
#include "picture_thumbnail.h"
#include "step_pump.h"
#include "surface_canvas.h"
#include "test_pictures.h"
#include "theme_builder.h"

namespace {

// Presses, drags and lets go the left button where the window shows `canvasPoint` of the canvas, as a user would:
// the point must be in sight in the canvas's scrolled area.
void dragOnVisibleCanvas(QScrollArea* area, QPoint canvasPoint, QPoint by)
{
    QWidget* viewport = area->viewport();
    const QPoint shown = area->widget()->mapTo(viewport, canvasPoint);
    QVERIFY2(viewport->rect().contains(shown), "the point is not in sight");
    QWidget* under = viewport->childAt(shown);
    QVERIFY(under == area->widget());
    const QPoint from = under->mapFrom(viewport, shown);
    QTest::mousePress(under, Qt::LeftButton, {}, from);
    QTest::mouseMove(under, from);
    QTest::mouseMove(under, from + by / 2);
    QTest::mouseMove(under, from + by);
    QTest::mouseRelease(under, Qt::LeftButton, {}, from + by);
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void editsTheShippedThemesAsAUserWould();
};

// Each step runs in a pass of the render loop, as the user's events would.
void EditorWindowTest::editsTheShippedThemesAsAUserWould()
{
    QTemporaryDir folder, pictures;
    for (const char* theme : {"Theme1", "Workshop"})
        QCOMPARE(QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/") + theme, folder.path()}),
                 0);
    ScriptedPrompts prompts;
    StepPump pump;
    EditorWindow window(folder.path().toStdString(), EditorWindowServices{pump, &prompts});
    pump.editor = &window.editor();
    const Workspace& ws = window.editor().workspace();
    ObjectListPanel* list = window.objectListPanel();
    pump.steps.push_back([&] {  // start-up
        QVERIFY(list->rowCount() == 6 && list->option(0)->isChecked());
        // The canvas and the window take the theme's background's size; the canvas stands right of the panels,
        // which are as wide as the list's texts need.
        const int canvasLeft = window.canvasArea()->x();
        QVERIFY(canvasLeft > list->geometry().right());
        QCOMPARE(window.centralWidget()->size(), QSize(canvasLeft + 480 + 10, 8 + 360 + 10));
        QCOMPARE(window.currentObjectPanel()->tubeView()->size(),
                 QSize(ws.objects[0].tube.width(), ws.objects[0].tube.height()));
        QCOMPARE(window.canvas()->shownImage().size(), QSize(480, 360));
    });
    pump.steps.push_back([&] {  // an object as tall as the window: the list keeps three rows in sight, the window grows
        const std::string tall = pictures.filePath("tall.bmp").toStdString();
        QVERIFY(!savePictureBmp(Surface(100, 120, kWhite), tall));
        prompts.pictures = {tall};
        QTest::mouseClick(list->thumbnail(3), Qt::LeftButton);
        const int least = static_cast<int>(std::ceil(leastListPanelHeight(6, window.twipsPerPixelY())));
        QVERIFY(list->height() >= least);
        QVERIFY(list->geometry().top() > window.currentObjectPanel()->geometry().bottom());
        QVERIFY(list->geometry().bottom() < window.centralWidget()->height());
        prompts.pictures = {tall};
        QTest::mouseClick(list->option(0), Qt::LeftButton);
    });
    pump.steps.push_back([&] {  // new pictures through a row's thumbnail, then through the preview of the row clicked
        const std::string wide = pictures.filePath("wide.wmf").toStdString(),
                          small = pictures.filePath("small.wmf").toStdString();
        writeBytes(wide, redEllipseMetafile(48, 36));
        writeBytes(small, redEllipseMetafile(40, 30));
        prompts.pictures = {small, wide};
        QTest::mouseClick(list->option(1), Qt::LeftButton);
        QTest::mouseClick(list->thumbnail(0), Qt::LeftButton);
        QVERIFY(ws.currentObject == 0 && list->option(0)->isChecked() && !list->option(1)->isChecked());
        QTest::mouseClick(list->option(2), Qt::LeftButton);
        QTest::mouseClick(window.currentObjectPanel()->pictureView(), Qt::LeftButton);
        QVERIFY(ws.currentObject == 2 && list->option(2)->isChecked() && !list->option(0)->isChecked());
        QCOMPARE(QSize(ws.objects[0].picture.width(), ws.objects[2].picture.width()), QSize(40, 48));
        QCOMPARE(window.currentObjectPanel()->pictureView()->size(), QSize(48, 36));
    });
    pump.steps.push_back([&] {  // the current object dragged by the middle of its ellipse, its row's labels following
        const ObjectPictures& object = ws.objects[2];
        const int x = ws.objectX[2], y = ws.objectY[2];
        const QPoint from(x + 24, y + 18), to = from + QPoint(-9, -6);
        QTest::mousePress(window.canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.canvas(), from);
        QTest::mouseMove(window.canvas(), to);
        QTest::mouseRelease(window.canvas(), Qt::LeftButton, {}, to);
        QCOMPARE(std::pair(list->xLabel(2)->text(), list->yLabel(2)->text()),
                 std::pair(QString::number(x - 9), QString::number(y - 6)));
        QCOMPARE(list->xLabel(0)->text(), QString::number(ws.objectX[0]));
        QCOMPARE(QPoint(ws.tubeX[2], ws.tubeY[2]),
                 QPoint(x - 14, y - 1 - object.tube.height() + object.picture.height()));
    });
    pump.steps.push_back([&] {  // New Object up to 21, and the rows scroll between the panel and the bottom
        for (int i = 6; i <= 21; ++i)
            window.action("newObject")->trigger();
        QCOMPARE(list->rowCount(), 21);
        QVERIFY(list->option(20)->text() == "Object 21" && !list->option(20)->isChecked());
        QVERIFY(list->geometry().top() > window.currentObjectPanel()->geometry().bottom());
        QVERIFY(list->geometry().bottom() < window.centralWidget()->height());
        QVERIFY(list->scrollArea()->verticalScrollBar()->maximum() > 0);
    });
    pump.steps.push_back([&] {  // a drag cut off by Ctrl+O, the button let go in the chooser: the second theme
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QPoint from(ws.objectX[2] + 24, ws.objectY[2] + 18);
        QTest::mousePress(window.canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.canvas(), from + QPoint(4, 4));
        prompts.chosenTheme = "Workshop";
        prompts.questionAnswers = {Answer::Discard};
        prompts.whileChoosing = [&] { QTest::mouseRelease(window.objectListPanel(), Qt::LeftButton); };
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        const QPoint resting(ws.objectX[0], ws.objectY[0]);
        QMouseEvent bareMove(QEvent::MouseMove, QPointF(from + QPoint(40, 30)),
                             window.canvas()->mapToGlobal(QPointF(from)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window.canvas(), &bareMove);
        QCOMPARE(QPoint(ws.objectX[0], ws.objectY[0]), resting);
        QVERIFY(!window.editor().drag().buttonHeld);
    });
    pump.steps.push_back([&] {  // the second theme's rows, its canvas, and a window grown for it
        QCOMPARE(list->rowCount(), 12);
        QCOMPARE(window.canvas()->size(), QSize(512, 384));
        // As wide as the canvas needs, unless the screen is narrower (the offscreen one is 800 pixels wide).
        QVERIFY(window.centralWidget()->width() == window.canvasArea()->x() + 512 + 10 ||
                window.frameGeometry().width() == window.screen()->availableGeometry().width());
        QCOMPARE(window.centralWidget()->height(), 8 + 384 + 10);
        QCOMPARE(list->xLabel(11)->text(), QString::number(ws.objectX[11]));
    });
    pump.steps.push_back([&] {  // a theme larger than the screen: the canvas scrolls in its place, the window fits
        ThemePackage big = makeRowTheme(2, 10, 1600, 1200);
        big.objects[0].x = 1500, big.objects[0].tubeX = 1495;
        writeTheme(folder.path().toStdString(), "Big", big);
        prompts.chosenTheme = "Big";
        window.action("loadTheme")->trigger();
        QCOMPARE(window.canvas()->size(), QSize(1600, 1200));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(window.frameGeometry().width() <= screen.width() && window.frameGeometry().height() <= screen.height());
        QScrollArea* area = window.canvasArea();
        QVERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QPoint object(ws.objectX[0] + 5, ws.objectY[0] + 5);
        dragOnVisibleCanvas(area, object, QPoint(-30, -20));
        QCOMPARE(QPoint(ws.objectX[0], ws.objectY[0]), object - QPoint(5, 5) + QPoint(-30, -20));
    });
    pump.steps.push_back([&] {  // the drag is one step: the title's mark, Undo and Redo by their keys
        QVERIFY(window.isWindowModified() && window.windowTitle() == "Create[*]");
        QCOMPARE(window.action("undo")->text(), QStringLiteral("&Undo Move Object 1"));
        const QPoint dragged(ws.objectX[0], ws.objectY[0]);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QPoint(ws.objectX[0], ws.objectY[0]), dragged + QPoint(30, 20));
        QCOMPARE(window.objectListPanel()->xLabel(0)->text(), QString::number(ws.objectX[0]));
        QVERIFY(!window.isWindowModified() && !window.action("undo")->isEnabled());
        QCOMPARE(window.action("redo")->text(), QStringLiteral("&Redo Move Object 1"));
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(QPoint(ws.objectX[0], ws.objectY[0]), dragged);
        QVERIFY(window.isWindowModified());
    });
    pump.steps.push_back([&] {  // Delete removes the current object; the last one cannot go
        QTest::keyClick(&window, Qt::Key_Delete);
        QCOMPARE(list->rowCount(), 1);
        QVERIFY(!window.action("deleteObject")->isEnabled());
        QCOMPARE(window.action("undo")->text(), QStringLiteral("&Undo Delete Object 1"));
    });
    pump.steps.push_back([&] {  // closing asks first: Cancel keeps the window, Discard closes it
        prompts.questionAnswers = {Answer::Cancel};
        window.close();
        QVERIFY(window.isVisible());
        QCOMPARE(prompts.questions.back(), std::string(": Save changes to the theme?"));
    });
    pump.steps.push_back([&] {
        prompts.questionAnswers = {Answer::Discard};
        window.close();
    });
    window.run();
    QVERIFY(pump.steps.empty() && !window.isVisible());
}

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
