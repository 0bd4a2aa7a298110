#include <QtTest>
#include <QtWidgets>

#include "current_object_panel.h"
#include "editor_window.h"
#include "fake_services.h"
#include "object_list_panel.h"
#include "open_dg.h"
#include "picture_thumbnail.h"
#include "surface_canvas.h"
#include "test_pictures.h"
#include "theme_reader.h"

namespace {

// Answers the picture-open dialog on the real dialog: moved to a folder, the file selected, then OK.
class OpenDgPrompts : public ScriptedPrompts {
public:
    std::optional<std::string> openPicture() override
    {
        OpenDg dialog;
        dialog.show();
        dialog.openFolder(folder);
        dialog.file1()->setCurrentItem(dialog.file1()->findItems(file, Qt::MatchExactly).value(0));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.chosenFile();
    }
    std::string folder;
    QString file;
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
QPoint solidPoint(const Surface& mask, int x, int y)
{
    for (int my = mask.height() / 2; my < mask.height(); ++my)
        for (int mx = mask.width() / 2; mx < mask.width(); ++mx)
            if (mask.pixel(mx, my) == kBlack)
                return QPoint(x + mx, y + my);
    return {};
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
    OpenDgPrompts prompts;
    StepPump pump;
    EditorWindow window(folder.path().toStdString(), EditorWindowServices{pump, &prompts});
    pump.editor = &window.editor();
    const Workspace& ws = window.editor().workspace();
    ObjectListPanel* list = window.objectListPanel();
    const auto drag = [canvas = window.canvas()](QPoint from, QPoint by) {
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, from);
        QTest::mouseMove(canvas, from + by);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, from + by);
    };

    pump.steps.push_back([&] {  // start-up
        QVERIFY(list->rowCount() == 6 && list->option(0)->isChecked());
        QCOMPARE(window.centralWidget()->size(), QSize(264 + 305 + 10, 8 + 241 + 10));
        QCOMPARE(window.currentObjectPanel()->picSCont()->size(),
                 QSize(ws.objects[0].ImgContS.width(), ws.objects[0].ImgContS.height()));
        QCOMPARE(window.canvas()->shownImage().size(), QSize(305, 241));
    });
    pump.steps.push_back([&] {  // new pictures through the picture-open dialog
        QImage photo(40, 30, QImage::Format_RGB32), icon(32, 32, QImage::Format_ARGB32);
        photo.fill(Qt::white);
        icon.fill(Qt::transparent);
        QVERIFY(photo.save(pictures.filePath("PHOTO.JPG"), "JPG") && icon.save(pictures.filePath("tool.ico"), "ICO"));
        writeBytes(pictures.filePath("shape.wmf").toStdString(), redEllipseMetafile(48, 36));
        prompts.folder = pictures.path().toStdString();
        const std::pair<const char*, QSize> files[] = {
            {"PHOTO.JPG", QSize(40, 30)}, {"tool.ico", QSize(32, 32)}, {"shape.wmf", QSize(48, 36)}};
        for (int row = 0; row < 3; ++row) {
            const auto& [file, size] = files[row];
            prompts.file = file;
            if (row == 2)  // the last through the current object's picture preview, once its row is chosen
                QTest::mouseClick(list->option(row), Qt::LeftButton);
            QWidget* picture =
                row < 2 ? static_cast<QWidget*>(list->thumbnail(row)) : window.currentObjectPanel()->picSprite();
            QTest::mouseClick(picture, Qt::LeftButton);
            const ObjectPictures& object = ws.objects[static_cast<std::size_t>(row)];
            QCOMPARE(QSize(object.imgSprS.width(), object.imgSprS.height()), size);
            QVERIFY(ws.CurObj == row && list->option(row)->isChecked());
            QCOMPARE(window.currentObjectPanel()->picSprite()->size(), size);
        }
        QVERIFY(prompts.messages.empty());
    });
    pump.steps.push_back([&] {  // the current object dragged by its mask, its row's labels following; then the box
        const ObjectPictures& object = ws.objects[2];
        const int x = ws.ObjX[2], y = ws.ObjY[2];
        drag(solidPoint(object.imgSprM, x, y), QPoint(-9, -6));
        QCOMPARE(std::pair(list->xLabel(2)->text(), list->yLabel(2)->text()),
                 std::pair(QString::number(x - 9), QString::number(y - 6)));
        QCOMPARE(list->xLabel(0)->text(), QStringLiteral("0"));
        QCOMPARE(QPoint(ws.ContX[2], ws.ContY[2]),
                 QPoint(x - 14, y - 1 - object.ImgContS.height() + object.imgSprS.height()));
        const QPoint box(ws.BoxX, ws.BoxY);
        drag(solidPoint(ws.picPlainM, box.x(), box.y()), QPoint(3, 2));
        QCOMPARE(QPoint(ws.BoxX, ws.BoxY), box + QPoint(3, 2));
    });
    pump.steps.push_back([&] {  // New Object up to 21, and the rows scroll between the panel and the bottom
        for (int i = 6; i <= 21; ++i)
            window.action("mnuNew_Object")->trigger();
        QCOMPARE(list->rowCount(), 21);
        QVERIFY(list->option(20)->text() == "Object 21" && !list->option(20)->isChecked());
        QCOMPARE(prompts.messages.size(), std::size_t{1});
        QVERIFY(list->geometry().top() > window.currentObjectPanel()->geometry().bottom());
        QVERIFY(list->geometry().bottom() < window.centralWidget()->height());
        QVERIFY(list->scrollArea()->verticalScrollBar()->maximum() > 0);
    });
    pump.steps.push_back([&] {  // the second theme through the chooser keeps its own tubes
        prompts.chosenTheme = "Workshop";
        window.action("mnuLoad_Theme")->trigger();
        const ThemeReadResult workshop = readThemePackage(folder.path().toStdString(), "Workshop");
        QVERIFY(workshop.ok() && list->rowCount() == 12);
        for (std::size_t i = 0; i < 12; ++i)
            QVERIFY(ws.objects[i].ImgContS == workshop.value().objects[i].tube);
        QCOMPARE(window.canvas()->size(), QSize(305, 241));
    });
    pump.steps.push_back([&] { window.close(); });
    window.run();
    QVERIFY(pump.steps.empty() && !window.isVisible());
}

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
