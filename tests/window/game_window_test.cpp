#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "fake_services.h"
#include "frm_main.h"
#include "high_score_panel.h"
#include "high_score_table.h"
#include "registry_store.h"
#include "score_time.h"
#include "surface_canvas.h"

namespace {

// Each pass first runs the next scripted step, which posts the player's pointer events, then lets Qt deliver
// everything pending, as the real program's pump does.
class ScriptedQtPump : public ScriptedPump {
public:
    void processPendingEvents() override
    {
        ScriptedPump::processPendingEvents();
        QCoreApplication::processEvents();
    }
};

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scriptedRoundOnTheShippedTheme();
    void missingTheme1LeavesTheTitlePicture();
    void layoutFollowsTheCanvasAndTheTimeLabelToggles();

private:
    void copyShippedTheme1();
    void makeWindow();

    void post(QEvent::Type type, QPointF at, Qt::MouseButtons held)
    {
        SurfaceCanvas* canvas = m_window->canvas();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QCoreApplication::postEvent(canvas,
                                    new QMouseEvent(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier));
    }

    // A solid mask pixel near the object's centre, where a press picks the object up.
    QPointF solidPointOf(int object) const
    {
        const GameState& state = m_window->game().state();
        const Surface& mask = m_window->game().pictures().PicMask[object];
        const int cx = mask.width() / 2;
        const int cy = mask.height() / 2;
        for (int radius = 0; radius < mask.width() + mask.height(); ++radius)
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (mask.pixel(cx + dx, cy + dy) == kBlack)
                        return QPointF(state.ObjX[object] + cx + dx + 0.25, state.ObjY[object] + cy + dy + 0.25);
        return {};
    }

    // Hovers over the object's tube to make it current, then presses on the object.
    void queuePickUp(int object)
    {
        m_pump.steps.push_back([this, object] {
            const GameState& state = m_window->game().state();
            post(QEvent::MouseMove, QPointF(state.ContX[object] + 1.5, state.ContY[object] + 1.5), Qt::NoButton);
        });
        m_pump.steps.push_back([this, object] {
            m_grab = m_hand = solidPointOf(object);
            post(QEvent::MouseButtonPress, m_hand, Qt::LeftButton);
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
    }

    void queueCarryBy(QPointF delta)
    {
        m_pump.steps.push_back([this, delta] {
            m_hand = m_grab + delta;
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
    }

    // Moves the hand so that the carried object's centre lands on the box's centre.
    void queueCarryToBox(int object)
    {
        m_pump.steps.push_back([this, object] {
            const Game& game = m_window->game();
            const Surface& box = game.pictures().PicPlainSprite[0];
            const Surface& sprite = game.pictures().PicSprite[object];
            const QPointF boxCentre(game.state().BoxX[0] + box.width() / 2.0,
                                    game.state().BoxY[0] + box.height() / 2.0);
            const QPointF objectCentre(game.state().ObjX[object] + sprite.width() / 2.0,
                                       game.state().ObjY[object] + sprite.height() / 2.0);
            m_hand = boxCentre + (m_hand - objectCentre);
            post(QEvent::MouseMove, m_hand, Qt::LeftButton);
        });
    }

    void queueRelease()
    {
        m_pump.steps.push_back([this] { post(QEvent::MouseButtonRelease, m_hand, Qt::NoButton); });
    }

    void queueWait(int ms)
    {
        m_pump.steps.push_back([this, ms] { m_clock.advance(ms); });
    }

    static constexpr int kMaxPumpPasses = 20000;
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    FakeClock m_clock;
    RecordingSound m_sound;
    ScriptedPrompts m_prompts;
    ScriptedQtPump m_pump;
    RegistryStore m_registry{m_settings.path().toStdString()};
    std::unique_ptr<FrmMain> m_window;
    QPointF m_hand;
    QPointF m_grab;
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
    const auto restOf0 = [this] { return QPoint(m_window->game().state().ObjX[0], m_window->game().state().ObjY[0]); };
    const QPoint rest0 = restOf0();
    const auto lift = [&game](int object) { return QPointF(0, -(game.pictures().PicCont[object].height() + 4)); };

    m_pump.steps.push_back([] {});  // the theme load's own pass
    // Object 0: lifted out and let go, then pushed into its tube's right wall.
    queuePickUp(0);
    queueCarryBy(lift(0));
    queueRelease();
    m_pump.steps.push_back([this, rest0, restOf0] {
        QCOMPARE(restOf0(), rest0);
        QVERIFY(m_window->game().isLockedOut());
    });
    queueWait(600);
    queuePickUp(0);
    queueCarryBy(QPointF(8, 0));
    m_pump.steps.push_back([this, rest0, restOf0] {
        QCOMPARE(restOf0(), rest0);
        QVERIFY(!m_window->game().isCarrying());
    });
    queueRelease();
    queueWait(600);
    std::vector<std::string> expectedSounds = {"Pickup.wav", "LetGo.wav", "Pickup.wav", "HitTube.wav"};
    for (int i = 0; i < objects; ++i) {
        queuePickUp(i);
        queueCarryBy(lift(i));
        queueCarryToBox(i);
        queueWait(1000);
        queueRelease();
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
    QCOMPARE(shownTime, QString::number(1.2 + objects).replace('.', QLocale::system().decimalPoint()));
    QCOMPARE(m_prompts.inputs, std::vector<std::string>{"You got a highscore: What is your name?"});

    QVERIFY(m_window->highScorePanel()->isVisible());
    QCOMPARE(m_window->highScorePanel()->nameText(0), QStringLiteral("Window Tester"));
    const std::optional<HighScoreTable> saved =
        readHighScoreFile(m_folder.filePath("Theme1/HighScores.ini").toStdString());
    QVERIFY(saved.has_value());
    QCOMPARE(QString::fromStdString((*saved)[0].name), QStringLiteral("Window Tester"));
    QCOMPARE(timeValue((*saved)[0].time), 1.2 + objects);

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

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
