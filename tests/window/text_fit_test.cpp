#include <QtTest>
#include <QtWidgets>

#include "about_window.h"
#include "editor_window.h"
#include "game_session.h"
#include "high_score_panel.h"
#include "high_score_table.h"
#include "object_list_panel.h"
#include "picture_open_dialog.h"
#include "qt_prompts.h"
#include "step_pump.h"
#include "text_fit_layout.h"
#include "theme_chooser.h"
#include "theme_description_dialog.h"
#include "theme_locations.h"

namespace {

// The room a control gives its text, and the room the text needs in the control's own font; a wrapped label's
// text needs its height for the label's width.
struct TextRoom {
    QSize given;
    QSize needed;
};

std::optional<TextRoom> textRoom(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return std::nullopt;
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const int widthToFill = label->wordWrap() ? room.width() : 1 << 20;
        const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, widthToFill, 1 << 20), flags, label->text());
        return TextRoom{room.size(), text.size()};
    }
    const int lineHeight = control->fontMetrics().height();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return TextRoom{button->size(), QSize(button->sizeHint().width(), lineHeight)};
    if (const auto* box = qobject_cast<const QGroupBox*>(control))
        return TextRoom{box->size(), QSize(box->minimumSizeHint().width(), lineHeight)};
    return std::nullopt;
}

QString describe(const QWidget* control)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    else if (const auto* box = qobject_cast<const QGroupBox*>(control))
        text = box->title();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(control->metaObject()->className()), text.left(40));
}

// Whether `area` shows its contents whole along each axis, or scrolls them there.
Qt::Orientations scrollingDirections(const QWidget* area, const QList<const QWidget*>& scrollingBoxes)
{
    if (scrollingBoxes.contains(area))
        return Qt::Vertical;
    const auto* scrollArea =
        area->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(area->parentWidget()) : nullptr;
    if (!scrollArea || scrollArea->viewport() != area)
        return {};
    Qt::Orientations scrolling;
    if (scrollArea->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        scrolling |= Qt::Horizontal;
    if (scrollArea->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        scrolling |= Qt::Vertical;
    return scrolling;
}

// Every label, button, radio button, check box and group box shown in `window` whose text is cut: the control
// is narrower or lower than its text in its own font, or reaches beyond a parent that shows it, unless that
// parent scrolls it by design (`scrollingBoxes` scroll their contents upwards). One line each, for a failure's
// message; empty when nothing is cut.
QByteArray cutTexts(const QWidget* window, const QList<const QWidget*>& scrollingBoxes = {})
{
    QStringList cut;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const std::optional<TextRoom> room = textRoom(control);
        if (!room)
            continue;
        if (room->given.width() < room->needed.width() || room->given.height() < room->needed.height())
            cut << QStringLiteral("%1 is %2 x %3, its text needs %4 x %5")
                       .arg(describe(control))
                       .arg(room->given.width())
                       .arg(room->given.height())
                       .arg(room->needed.width())
                       .arg(room->needed.height());
        // The part of the control that its parents show, in each parent's coordinates in turn.
        QRect shown = control->rect();
        for (const QWidget* child = control; child != window && !shown.isEmpty(); child = child->parentWidget()) {
            shown.translate(child->pos());
            const QWidget* parent = child->parentWidget();
            const Qt::Orientations scrolling = scrollingDirections(parent, scrollingBoxes);
            const bool cutAcross =
                (shown.left() < 0 || shown.right() >= parent->width()) && !(scrolling & Qt::Horizontal);
            const bool cutDown = (shown.top() < 0 || shown.bottom() >= parent->height()) && !(scrolling & Qt::Vertical);
            if (cutAcross || cutDown) {
                cut << QStringLiteral("%1 reaches beyond its %2 (%3, %4, %5 x %6 in %7 x %8)")
                           .arg(describe(control), QString::fromLatin1(parent->metaObject()->className()))
                           .arg(shown.x())
                           .arg(shown.y())
                           .arg(shown.width())
                           .arg(shown.height())
                           .arg(parent->width())
                           .arg(parent->height());
                break;
            }
            // What a scrolling parent leaves out is not shown; what it shows must fit further up.
            shown &= parent->rect();
        }
    }
    return cut.isEmpty() ? QByteArray() : (QLatin1Char('\n') + cut.join(QLatin1Char('\n'))).toLocal8Bit();
}

QString copyShippedTheme(const QTemporaryDir& folder, const char* theme)
{
    QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/") + theme, folder.path()});
    return folder.filePath(theme);
}

// A solid pixel of the mask, where a press takes hold of its picture.
QPoint solidPointOf(const Surface& mask)
{
    for (int y = mask.height() / 2; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.pixel(x, y) == kBlack)
                return {x, y};
    return {};
}

// The widest text a name can be: as many of the widest letter as the name box takes, or a hand-edited file
// holds.
QString widestName(int length)
{
    return QString(length, QLatin1Char('W'));
}

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aGrownTextMovesOnlyWhatItReaches();
    void gameWindowShowsTheTimeOfAVeryLongRoundWhole();
    void highScorePanelShowsTheWidestNamesWholeInsideTheWindow();
    void nameBoxTakesThirtyCharacters();
    void aboutAndChooserShowTheirTextsWhole();
    void editorShowsEveryRowAtItsFarthestPositionWhole();
    void openAndAboutThemeDialogsShowTheirTextsWhole();
};

void TextFitTest::initTestCase()
{
    // The About window shows the longest version text a version can give.
    QApplication::setApplicationVersion(QStringLiteral("65535.65535.65535"));
}

// A caption that outgrows its place pushes the text boxes of its column's row and the column with it, and the
// window with them; the caption below it stays, and so does everything while the long caption is hidden.
void TextFitTest::aGrownTextMovesOnlyWhatItReaches()
{
    QWidget window;
    auto* layout = new TextFitLayout(&window, QSize(160, 60));
    auto* longCaption = new QLabel(QStringLiteral("A caption far longer than its place"), &window);
    auto* shortCaption = new QLabel(QStringLiteral("Y:"), &window);
    QLineEdit top(&window), bottom(&window);
    layout->place(longCaption, QRect(0, 0, 40, 20));
    layout->place(&top, QRect(50, 0, 100, 20));
    layout->place(shortCaption, QRect(0, 30, 40, 20));
    layout->place(&bottom, QRect(50, 30, 100, 20));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const int captionWidth = longCaption->sizeHint().width();
    QVERIFY(captionWidth > 44);
    QCOMPARE(longCaption->geometry(), QRect(0, 0, captionWidth, 20));
    // Six pixels from the grown caption, as much as the design's gap of ten allows.
    QCOMPARE(top.geometry(), QRect(captionWidth + 6, 0, 100, 20));
    QCOMPARE(bottom.geometry(), QRect(captionWidth + 6, 30, 100, 20));
    QCOMPARE(shortCaption->geometry(), QRect(0, 30, 40, 20));
    QCOMPARE(window.size(), QSize(captionWidth + 6 + 100 + 10, 60));

    longCaption->hide();
    QCoreApplication::processEvents();
    QCOMPARE(top.geometry(), QRect(50, 0, 100, 20));
    QCOMPARE(bottom.geometry(), QRect(50, 30, 100, 20));
    QCOMPARE(window.size(), QSize(160, 60));
}

// A round left running for a week: the clock shows 604799.99 seconds.
void TextFitTest::gameWindowShowsTheTimeOfAVeryLongRoundWhole()
{
    QTemporaryDir folder;
    copyShippedTheme(folder, "Theme1");
    ScriptedPrompts prompts;
    GameSession session(folder.path(), prompts);
    const QByteArray cutBefore = cutTexts(&session.window);
    QVERIFY2(cutBefore.isEmpty(), cutBefore);
    QString shownTime;
    QByteArray cut;
    // Loading the theme at Start lets events run too: the clock moves once the round's loop runs.
    std::function<void()> advanceInTheRound = [&] {
        if (!session.window.game().isRendering())
            session.pump.steps.push_front(advanceInTheRound);
        else
            session.clock.advance(7LL * 24 * 3600 * 1000 - 10);
    };
    session.pump.steps.push_back(advanceInTheRound);
    session.pump.steps.push_back([] {});
    session.pump.steps.push_back([&] {
        shownTime = session.window.timeLabel()->text();
        cut = cutTexts(&session.window);
        session.window.close();
    });
    QTest::mouseClick(session.window.startButton(), Qt::LeftButton);
    QVERIFY2(cut.isEmpty(), cut);
    QCOMPARE(shownTime, QStringLiteral("604799.99"));
}

void TextFitTest::highScorePanelShowsTheWidestNamesWholeInsideTheWindow()
{
    QTemporaryDir folder;
    const QString theme = copyShippedTheme(folder, "Theme1");
    HighScoreTable table;
    table[0] = {widestName(30).toStdString(), "31/12/2026", "12345.67"};
    // Typed into the file by hand: a long name shows whole, one beyond all reason shortened.
    table[8] = {widestName(50).toStdString(), "00/00/00", "100"};
    table[9] = {widestName(100000).toStdString(), "00/00/00", "100"};
    QVERIFY(!writeHighScoreFile((theme + "/HighScores.ini").toStdString(), table));
    ScriptedPrompts prompts;
    GameSession session(folder.path(), prompts);
    QTest::mouseClick(session.window.highScoresButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    HighScorePanel* panel = session.window.highScorePanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->nameText(8), widestName(50));
    QCOMPARE(panel->nameText(9), widestName(49) + QChar(0x2026));
    const QByteArray cutBefore = cutTexts(&session.window);
    QVERIFY2(cutBefore.isEmpty(), cutBefore);

    // Hidden again, the panel leaves the window as it was.
    const QSize withPanel = session.window.size();
    QTest::mouseClick(panel->closeButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!panel->isVisible());
    QVERIFY(session.window.width() <= withPanel.width());
    QVERIFY(session.window.rect().contains(session.window.timeLabel()->geometry()));
}

void TextFitTest::nameBoxTakesThirtyCharacters()
{
    QWidget parent;
    QtPrompts prompts(&parent, "Vantor", {});
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QTest::keyClicks(box->findChild<QLineEdit*>(), widestName(45));
        box->accept();
    });
    QCOMPARE(QString::fromStdString(prompts.input("What is your name?", "You got a highscore", "")), widestName(30));
}

void TextFitTest::aboutAndChooserShowTheirTextsWhole()
{
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.scrollDescription();
    QCOMPARE(about.version()->text(), QStringLiteral("65535.65535.65535"));
    const QByteArray aboutCut = cutTexts(&about, {about.descriptionBox()});
    QVERIFY2(aboutCut.isEmpty(), aboutCut);

    QTemporaryDir program;
    QTemporaryDir previews;
    QVERIFY(QDir(program.path()).mkpath("Theme1"));
    ScriptedPrompts prompts;
    ThemeChooser chooser(ThemeLocations::portable(program.path().toStdString()), "Theme1",
                         previews.path().toStdString(), prompts);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    const QByteArray chooserCut = cutTexts(&chooser);
    QVERIFY2(chooserCut.isEmpty(), chooserCut);
}

// All 21 rows, the last object dragged to the farthest position up and left a position can hold.
void TextFitTest::editorShowsEveryRowAtItsFarthestPositionWhole()
{
    QTemporaryDir folder;
    copyShippedTheme(folder, "Theme1");
    ScriptedPrompts prompts;
    StepPump pump;
    EditorWindow window(folder.path().toStdString(), EditorWindowServices{pump, &prompts});
    pump.editor = &window.editor();
    const Workspace& ws = window.editor().workspace();
    ObjectListPanel* list = window.objectListPanel();
    pump.steps.push_back([&] {
        while (ws.objectCount() < 21)
            window.action("newObject")->trigger();
        QTest::mouseClick(list->option(20), Qt::LeftButton);
    });
    pump.steps.push_back([&] {
        const QPoint grip = solidPointOf(ws.objects[20].mask);
        const QPoint from = QPoint(ws.objectX[20], ws.objectY[20]) + grip, to = grip - QPoint(32768, 32768);
        QTest::mousePress(window.canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.canvas(), from);
        QTest::mouseMove(window.canvas(), to);
        QTest::mouseRelease(window.canvas(), Qt::LeftButton, {}, to);
    });
    pump.steps.push_back([] {});
    QByteArray cut;
    std::pair<QString, QString> farthest;
    bool canvasClear = false;
    pump.steps.push_back([&] {
        farthest = {list->xLabel(20)->text(), list->yLabel(20)->text()};
        cut = cutTexts(&window);
        canvasClear = window.canvasArea()->x() > list->geometry().right() &&
                      window.centralWidget()->rect().contains(window.canvasArea()->geometry());
        prompts.questionAnswers = {Answer::Discard};
        window.close();
    });
    window.run();
    QCOMPARE(farthest, std::pair(QStringLiteral("-32768"), QStringLiteral("-32768")));
    QVERIFY2(cut.isEmpty(), cut);
    QVERIFY(canvasClear);
    QVERIFY(pump.steps.empty());
}

void TextFitTest::openAndAboutThemeDialogsShowTheirTextsWhole()
{
    QTemporaryDir folder;
    const QString damaged = folder.filePath(QString(200, QLatin1Char('W')) + ".bmp");
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("BM not really a bitmap") > 0);
    file.close();
    QVERIFY(QDir::setCurrent(folder.path()));
    PictureOpenDialog open;
    open.show();
    QVERIFY(QTest::qWaitForWindowExposed(&open));
    QListWidget* files = open.fileList();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    QVERIFY(open.preview()->pixmap().isNull() && !open.preview()->text().isEmpty());
    // The whole message is in the tooltip, in lines that stay on the screen.
    const QStringList tooltip = open.preview()->toolTip().split(QLatin1Char('\n'));
    QVERIFY(tooltip.join(QString()).contains(damaged));
    for (const QString& line : tooltip)
        QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(line) < open.screen()->availableGeometry().width());
    const QByteArray openCut = cutTexts(&open);
    QVERIFY2(openCut.isEmpty(), openCut);

    ScriptedPrompts prompts;
    ThemeDescriptionDialog describe(prompts, QStringLiteral("31/12/2026"));
    describe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&describe));
    const QByteArray describeCut = cutTexts(&describe);
    QVERIFY2(describeCut.isEmpty(), describeCut);
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
