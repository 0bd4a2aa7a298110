#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "high_score_panel.h"
#include "high_score_table.h"
#include "registry_store.h"
#include "round_script.h"
#include "score_time.h"
#include "sdl_sound_player.h"
#include "surface_canvas.h"

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scriptedRoundOnTheShippedTheme();
    void missingTheme1LeavesTheTitlePicture();
    void layoutFollowsTheCanvasAndTheTimeLabelToggles();
    void soundCuesAreReadOncePerThemeLoad();

private:
    void copyShippedTheme1();
    void makeWindow();

    static constexpr int kMaxPumpPasses = 20000;
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    FakeClock m_clock;
    RecordingSound m_sound;
    ScriptedPrompts m_prompts;
    ScriptedQtPump m_pump;
    RegistryStore m_registry{m_settings.path().toStdString()};
    std::unique_ptr<FrmMain> m_window;
    RoundScript m_round{m_pump, m_clock};
};

void GameWindowTest::init()
{
    m_window.reset();
    m_prompts = ScriptedPrompts();
    m_sound.played.clear();
    m_pump.steps.clear();
    m_pump.calls = 0;
    QVERIFY(QDir(m_folder.path()).removeRecursively());
    QVERIFY(QDir().mkpath(m_folder.path()));
}

void GameWindowTest::copyShippedTheme1()
{
    const QDir shipped(QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"));
    QVERIFY(QDir().mkpath(m_folder.filePath("Theme1")));
    for (const QString& name : shipped.entryList(QDir::Files))
        QVERIFY(QFile::copy(shipped.filePath(name), m_folder.filePath("Theme1/" + name)));
}

void GameWindowTest::makeWindow()
{
    m_window = std::make_unique<FrmMain>(m_folder.path().toStdString(),
                                         FrmMainServices{m_clock, m_sound, m_pump, m_registry, &m_prompts});
    // A round that nothing ends would spin for ever: fail and close the window instead.
    m_pump.whenIdle = [this] {
        if (m_pump.calls > kMaxPumpPasses) {
            QTest::qFail("the round did not end", __FILE__, __LINE__);
            m_window->game().Form_Unload();
        }
    };
    m_round.setWindow(m_window.get());
    m_window->start();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void GameWindowTest::scriptedRoundOnTheShippedTheme()
{
    copyShippedTheme1();
    makeWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantor - Theme1"));
    QVERIFY(m_prompts.messages.empty());
    const Game& game = m_window->game();
    const int objects = game.state().LastObj + 1;
    QVERIFY(objects >= 5);
    m_pump.steps.push_back([] {});  // the theme load's own pass
    std::vector<std::string> expectedSounds;
    for (int i = 0; i < objects; ++i) {
        m_round.queueDelivery(i);
        expectedSounds.insert(expectedSounds.end(), {"Pickup.wav", "PutInCont.wav"});
    }
    m_prompts.answers.push_back("Window Tester");

    QTest::mouseClick(m_window->startButton(), Qt::LeftButton);

    std::vector<std::string> played;
    for (const std::string& path : m_sound.played)
        played.push_back(path.substr(path.rfind('/') + 1));
    QCOMPARE(played, expectedSounds);
    QCOMPARE(m_prompts.messages.size(), std::size_t{1});
    const QString shownTime = m_window->timeLabel()->text();
    QCOMPARE(QString::fromStdString(m_prompts.messages[0].text),
             QStringLiteral("Game Over\r\nYou took: %1 seconds").arg(shownTime));
    QCOMPARE(shownTime, QString::number(objects));  // a second a delivery on the test's clock
    QCOMPARE(m_prompts.inputs, std::vector<std::string>{"You got a highscore: What is your name?"});

    QVERIFY(m_window->highScorePanel()->isVisible());
    QCOMPARE(m_window->highScorePanel()->nameText(0), QStringLiteral("Window Tester"));
    const std::optional<StoredHighScores> saved =
        readHighScoreFile(m_folder.filePath("Theme1/HighScores.ini").toStdString());
    QVERIFY(saved.has_value());
    QCOMPARE(QString::fromStdString(saved->table[0].name), QStringLiteral("Window Tester"));
    QCOMPARE(timeValue(saved->table[0].time), double(objects));

    QTest::mouseClick(m_window->highScorePanel()->closeButton(), Qt::LeftButton);
    QVERIFY(!m_window->highScorePanel()->isVisible());
}

void GameWindowTest::missingTheme1LeavesTheTitlePicture()
{
    makeWindow();
    QCOMPARE(m_prompts.messages.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(m_prompts.messages[1].text), QStringLiteral("Can't find Default theme"));
    QCOMPARE(m_window->canvas()->shownImage().size(), QSize(320, 240));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantor"));
    QTest::mouseClick(m_window->startButton(), Qt::LeftButton);  // nothing to play: returns at once
    QCOMPARE(m_prompts.messages.size(), std::size_t{4});
}

void GameWindowTest::layoutFollowsTheCanvasAndTheTimeLabelToggles()
{
    copyShippedTheme1();
    makeWindow();
    const QWidget* canvas = m_window->canvas();
    QCOMPARE(canvas->geometry(), QRect(8, 8, m_window->game().canvasWidth(), m_window->game().canvasHeight()));
    QCOMPARE(m_window->startButton()->pos(), QPoint(8 + 41, canvas->height() + 15));
    QCOMPARE(m_window->highScoresButton()->y(), canvas->height() + 15);
    QVERIFY(m_window->highScoresButton()->x() > m_window->startButton()->geometry().right());
    QVERIFY(m_window->rect().contains(m_window->timeLabel()->geometry()));
    QCOMPARE(m_window->startButton()->toolTip(), QStringLiteral("Start the game"));

    QVERIFY(m_window->timeLabel()->isVisible());
    QTest::mouseClick(m_window->timeClickArea(), Qt::LeftButton);
    QVERIFY(!m_window->timeLabel()->isVisible());
    QTest::mouseClick(m_window->timeClickArea(), Qt::LeftButton);
    QVERIFY(m_window->timeLabel()->isVisible());
}

void GameWindowTest::soundCuesAreReadOncePerThemeLoad()
{
    copyShippedTheme1();
    const QString cue = m_folder.filePath("Theme1/HitTube.wav");
    SdlSoundPlayer player;
    player.loadCues({cue.toStdString(), m_folder.filePath("Theme1/none.wav").toStdString()});
    player.openDevice();
    if (!player.hasDevice())
        QSKIP("no sound device, not even SDL's dummy one");
    QCOMPARE(player.filesRead(), 2);
    // A cue that fires every frame, its file gone meanwhile, and a missing file: nothing more is read.
    QVERIFY(QFile::remove(cue));
    for (int frame = 0; frame < 100; ++frame) {
        player.PlayWav(cue.toStdString());
        player.PlayWav(m_folder.filePath("Theme1/none.wav").toStdString());
    }
    QCOMPARE(player.filesRead(), 2);
    player.loadCues({cue.toStdString()});
    QCOMPARE(player.filesRead(), 3);
}

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
