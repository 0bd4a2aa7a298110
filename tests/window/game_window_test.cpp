#include <QtTest>
#include <QtWidgets>

#include "game_session.h"
#include "sdl_sound_player.h"

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void layoutFollowsTheCanvasAndTheTimeLabelToggles();
    void missingTheme1LeavesTheTitlePicture();
    void soundCuesAreReadOncePerThemeLoad();
};

// A copy of the shipped "Theme1" in the folder.
static QString copyTheme1Into(const QTemporaryDir& folder)
{
    QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), folder.path()});
    return folder.filePath("Theme1");
}

void GameWindowTest::layoutFollowsTheCanvasAndTheTimeLabelToggles()
{
    QTemporaryDir folder;
    copyTheme1Into(folder);
    ScriptedPrompts prompts;
    GameSession session(folder.path(), prompts);
    GameWindow& window = session.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget* canvas = window.canvas();
    QCOMPARE(canvas->geometry(), QRect(8, 8, window.game().canvasWidth(), window.game().canvasHeight()));
    QCOMPARE(window.startButton()->pos(), QPoint(8 + 41, canvas->height() + 15));
    QCOMPARE(window.highScoresButton()->y(), canvas->height() + 15);
    QVERIFY(window.highScoresButton()->x() > window.startButton()->geometry().right());
    QVERIFY(window.rect().contains(window.timeLabel()->geometry()));
    for (const bool shown : {false, true}) {
        QTest::mouseClick(window.timeClickArea(), Qt::LeftButton);
        QCOMPARE(window.timeLabel()->isVisible(), shown);
    }
}

void GameWindowTest::missingTheme1LeavesTheTitlePicture()
{
    QTemporaryDir empty;
    ScriptedPrompts prompts;
    GameSession session(empty.path(), prompts);
    QCOMPARE(prompts.messages.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(prompts.messages[1].text), QStringLiteral("Can't find Default theme"));
    QCOMPARE(session.window.canvas()->shownImage().size(), QSize(320, 240));
    QCOMPARE(session.window.windowTitle(), QStringLiteral("Vantor"));
    QTest::mouseClick(session.window.startButton(), Qt::LeftButton);  // nothing to play: returns at once
    QCOMPARE(prompts.messages.size(), std::size_t{4});
}

void GameWindowTest::soundCuesAreReadOncePerThemeLoad()
{
    QTemporaryDir folder;
    const std::string cue = copyTheme1Into(folder).toStdString() + "/HitTube.wav", missing = cue + ".missing";
    SdlSoundPlayer player;
    player.loadCues({cue, missing});
    player.openDevice();
    if (!player.hasDevice())
        QSKIP("no sound device, not even SDL's dummy one");
    QCOMPARE(player.filesRead(), 2);
    // A cue that fires every frame, its file gone meanwhile, and a missing file: nothing more is read.
    QVERIFY(QFile::remove(QString::fromStdString(cue)));
    for (int frame = 0; frame < 100; ++frame) {
        player.play(cue);
        player.play(missing);
    }
    QCOMPARE(player.filesRead(), 2);
    player.loadCues({cue});
    QCOMPARE(player.filesRead(), 3);
}

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
