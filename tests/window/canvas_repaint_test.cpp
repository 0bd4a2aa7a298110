#include <QtTest>
#include <QtWidgets>

#include "editor_frame.h"
#include "editor_window.h"
#include "fake_services.h"
#include "qimage_convert.h"
#include "step_pump.h"
#include "surface_canvas.h"

namespace {

// What the window system holds of a widget's window: the pixels painted so far, not a fresh rendering.
Surface onScreen(QWidget* widget)
{
    const QPoint corner = widget->mapTo(widget->window(), QPoint(0, 0));
    const QImage window = widget->screen()->grabWindow(widget->window()->winId()).toImage();
    return fromQImage(window.copy(QRect(corner, widget->size())));
}

}  // namespace

class CanvasRepaintTest : public QObject {
    Q_OBJECT

private slots:
    void repaintsOnlyTheChangedPart();
    void showsTheWholeFramesPixelsAfterADrag();
};

void CanvasRepaintTest::repaintsOnlyTheChangedPart()
{
    SurfaceCanvas canvas;
    canvas.setCanvasSize(40, 30);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    Surface frame(40, 30, rgb(200, 0, 0));
    canvas.showFrame(frame);
    // The whole frame changes, but only a part is said to: only that part may be painted again.
    frame = Surface(40, 30, rgb(0, 0, 200));
    canvas.showFrame(frame, QRegion(5, 4, 10, 8) + QRegion(30, 20, 20, 20));
    Surface expected(40, 30, rgb(200, 0, 0));
    blit(expected, 5, 4, 10, 8, frame, 5, 4, RasterOp::SrcCopy);
    blit(expected, 30, 20, 10, 10, frame, 30, 20, RasterOp::SrcCopy);
    QVERIFY(onScreen(&canvas) == expected);
}

// The object of the shipped default theme carried over the canvas: after every step the screen shows what a
// whole frame of the workspace would be.
void CanvasRepaintTest::showsTheWholeFramesPixelsAfterADrag()
{
    QTemporaryDir folder;
    QCOMPARE(QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), folder.path()}), 0);
    ScriptedPrompts prompts;
    StepPump pump;
    EditorWindow window(folder.path().toStdString(), EditorWindowServices{pump, &prompts});
    pump.editor = &window.editor();
    const Workspace& ws = window.editor().workspace();
    QPoint pointer, grabbedCorner;
    // Whether the canvas showed a whole frame's pixels, before each pointer step and at the end.
    std::vector<bool> shownWhole;
    const auto checkCanvas = [&] {
        Surface frame;
        composeEditorFrame(frame, ws);
        shownWhole.push_back(onScreen(window.canvas()) == frame);
    };
    pump.steps.push_back([&] {
        // A solid pixel of the current object, from its middle row.
        const Surface& mask = ws.current().mask;
        const int y = mask.height() / 2;
        int x = 0;
        while (x < mask.width() && mask.pixel(x, y) != kBlack)
            ++x;
        QVERIFY(x < mask.width());
        grabbedCorner = QPoint(ws.objectX[ws.currentObject], ws.objectY[ws.currentObject]);
        pointer = grabbedCorner + QPoint(x, y);
        QTest::mousePress(window.canvas(), Qt::LeftButton, {}, pointer);
        QTest::mouseMove(window.canvas(), pointer);
    });
    for (const QPoint step : {QPoint(-7, -5), QPoint(-20, -60), QPoint(60, 10), QPoint(3, 2)}) {
        pump.steps.push_back([&, step] {
            checkCanvas();
            pointer += step;
            QTest::mouseMove(window.canvas(), pointer);
        });
    }
    pump.steps.push_back([&] {
        checkCanvas();
        QTest::mouseRelease(window.canvas(), Qt::LeftButton, {}, pointer);
    });
    pump.steps.push_back([&] {
        checkCanvas();
        prompts.questionAnswers = {Answer::Discard};  // the drag is not saved
        window.close();
    });
    window.run();
    QVERIFY(pump.steps.empty());
    QCOMPARE(shownWhole, std::vector<bool>(6, true));
    QCOMPARE(QPoint(ws.objectX[ws.currentObject], ws.objectY[ws.currentObject]), grabbedCorner + QPoint(36, -53));
}

QTEST_MAIN(CanvasRepaintTest)
#include "canvas_repaint_test.moc"
