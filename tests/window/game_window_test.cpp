#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <functional>

#include "fake_services.h"
#include "frm_main.h"
#include "high_score_panel.h"
#include "high_score_table.h"
#include "registry_store.h"
#include "score_time.h"
#include "surface_canvas.h"
#include "theme_files.h"

namespace {

// A pump that first runs the next scripted step (which posts the player's pointer events) and then lets
// Qt deliver everything pending, as the real program's pump does.
class ScriptedQtPump : public Pump {
public:
    void processPendingEvents() override
    {
        if (!steps.empty()) {
            std::function<void()> step = std::move(steps.front());
            steps.pop_front();
            step();
        } else if (++idlePasses > kMaxIdlePasses && onStuck) {
            onStuck();
        }
        QCoreApplication::processEvents();
    }

    static constexpr int kMaxIdlePasses = 20000;
    std::deque<std::function<void()>> steps;
    std::function<void()> onStuck;
    int idlePasses = 0;
};

bool copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        if (!QFile::copy(from + "/" + name, to + "/" + name))
            return false;
    }
    return true;
}

std::string fileNameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scriptedRoundOnTheShippedTheme();
    void themeWithoutBoxFileFallsBackToTheme1();
    void missingTheme1LeavesTheTitlePicture();
    void layoutFollowsTheCanvasAndTheTimeLabelToggles();

private:
    void makeWindow();
    void post(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held);
    QPointF solidPointOf(int object) const;
    void queueHover(int object);
    void queuePickUp(int object);
    void queueCarryBy(QPointF delta);
    void queueCarryToBox(int object);
    void queueRelease();
    void queueWait(int ms);

    QTemporaryDir m_folder;
    FakeClock m_clock;
    RecordingSound m_sound;
    ScriptedPrompts m_prompts;
    ScriptedQtPump m_pump;
    QTemporaryDir m_settings;
    std::unique_ptr<RegistryStore> m_registry = std::make_unique<RegistryStore>(m_settings.path().toStdString());
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
    QVERIFY(m_folder.isValid());
    QDir(m_folder.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_folder.path()));
}

void GameWindowTest::makeWindow()
{
    m_window = std::make_unique<FrmMain>(m_folder.path().toStdString(),
                                         FrmMainServices{m_clock, m_sound, m_pump, *m_registry, &m_prompts});
    m_pump.onStuck = [this] {
        QTest::qFail("the round did not end", __FILE__, __LINE__);
        m_window->game().Form_Unload();
    };
    m_window->start();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void GameWindowTest::post(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    SurfaceCanvas* canvas = m_window->canvas();
    QCoreApplication::postEvent(canvas,
                                new QMouseEvent(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier));
}

// A solid mask pixel near the object's centre, where a press picks the object up.
QPointF GameWindowTest::solidPointOf(int object) const
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

void GameWindowTest::queueHover(int object)
{
    m_pump.steps.push_back([this, object] {
        const GameState& state = m_window->game().state();
        post(QEvent::MouseMove, QPointF(state.ContX[object] + 1.5, state.ContY[object] + 1.5), Qt::NoButton,
             Qt::NoButton);
    });
}

void GameWindowTest::queuePickUp(int object)
{
    queueHover(object);
    m_pump.steps.push_back([this, object] {
        m_grab = m_hand = solidPointOf(object);
        post(QEvent::MouseButtonPress, m_hand, Qt::LeftButton, Qt::LeftButton);
        post(QEvent::MouseMove, m_hand, Qt::NoButton, Qt::LeftButton);
    });
}

void GameWindowTest::queueCarryBy(QPointF delta)
{
    m_pump.steps.push_back([this, delta] {
        m_hand = m_grab + delta;
        post(QEvent::MouseMove, m_hand, Qt::NoButton, Qt::LeftButton);
    });
}

void GameWindowTest::queueCarryToBox(int object)
{
    m_pump.steps.push_back([this, object] {
        const Game& game = m_window->game();
        const Surface& box = game.pictures().PicPlainSprite[0];
        const Surface& sprite = game.pictures().PicSprite[object];
        const QPointF boxCentre(game.state().BoxX[0] + box.width() / 2.0, game.state().BoxY[0] + box.height() / 2.0);
        const QPointF objectCentre(game.state().ObjX[object] + sprite.width() / 2.0,
                                   game.state().ObjY[object] + sprite.height() / 2.0);
        m_hand = boxCentre + (m_hand - objectCentre);
        post(QEvent::MouseMove, m_hand, Qt::NoButton, Qt::LeftButton);
    });
}

void GameWindowTest::queueRelease()
{
    m_pump.steps.push_back([this] { post(QEvent::MouseButtonRelease, m_hand, Qt::LeftButton, Qt::NoButton); });
}

void GameWindowTest::queueWait(int ms)
{
    m_pump.steps.push_back([this, ms] { m_clock.advance(ms); });
}

void GameWindowTest::scriptedRoundOnTheShippedTheme()
{
    QVERIFY(copyFolder(QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), m_folder.filePath("Theme1")));
    makeWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantor - Theme1"));
    QVERIFY(m_prompts.messages.empty());
    const int objects = m_window->game().state().LastObj + 1;
    QVERIFY(objects >= 5);

    const auto restOf0 = [this] { return QPoint(m_window->game().state().ObjX[0], m_window->game().state().ObjY[0]); };
    const QPoint rest0 = restOf0();
    const int lift = m_window->game().pictures().PicCont[0].height() + 4;

    m_pump.steps.push_back([] {});  // the theme load's own pass
    // Object 0: lifted out and let go, then pushed into its tube's right wall.
    queuePickUp(0);
    queueCarryBy(QPointF(0, -lift));
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
    for (int i = 0; i < objects; ++i) {
        queuePickUp(i);
        queueCarryBy(QPointF(0, -(m_window->game().pictures().PicCont[i].height() + 4)));
        queueCarryToBox(i);
        queueWait(1000);
        queueRelease();
    }
    m_prompts.answers.push_back("Window Tester");

    QTest::mouseClick(m_window->startButton(), Qt::LeftButton);

    std::vector<std::string> expected = {"Pickup.wav", "LetGo.wav", "Pickup.wav", "HitTube.wav"};
    for (int i = 0; i < objects; ++i) {
        expected.push_back("Pickup.wav");
        expected.push_back("PutInCont.wav");
    }
    std::vector<std::string> played;
    for (const std::string& path : m_sound.played)
        played.push_back(fileNameOf(path));
    QCOMPARE(played, expected);

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

void GameWindowTest::themeWithoutBoxFileFallsBackToTheme1()
{
    QVERIFY(copyFolder(QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), m_folder.filePath("Theme1")));
    QVERIFY(copyFolder(QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Workshop"), m_folder.filePath("Workshop")));
    QVERIFY(QFile::remove(m_folder.filePath("Workshop/Theme2.ini")));
    makeWindow();
    m_window->game().ThemeName = "Workshop";
    m_window->game().LoadTheme("Workshop");
    QCOMPARE(m_prompts.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prompts.messages[0].title), QStringLiteral("File(s) missing"));
    QCOMPARE(
        QString::fromStdString(m_prompts.messages[0].text),
        QStringLiteral("There is an important file missing. Can not load theme Workshop\r\nLoading default theme.."));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantor - Theme1"));
}

void GameWindowTest::missingTheme1LeavesTheTitlePicture()
{
    makeWindow();
    QCOMPARE(m_prompts.messages.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(m_prompts.messages[0].title), QStringLiteral("File(s) missing"));
    QCOMPARE(QString::fromStdString(m_prompts.messages[1].title), QStringLiteral("Theme not found"));
    QCOMPARE(QString::fromStdString(m_prompts.messages[1].text), QStringLiteral("Can't find Default theme"));
    QCOMPARE(m_window->canvas()->shownImage().size(), QSize(320, 240));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantor"));
    QTest::mouseClick(m_window->startButton(), Qt::LeftButton);  // nothing to play: returns at once
    QCOMPARE(m_prompts.messages.size(), std::size_t{4});
}

void GameWindowTest::layoutFollowsTheCanvasAndTheTimeLabelToggles()
{
    QVERIFY(copyFolder(QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), m_folder.filePath("Theme1")));
    makeWindow();
    const QWidget* canvas = m_window->canvas();
    QCOMPARE(canvas->pos(), QPoint(8, 8));
    QCOMPARE(canvas->size(), QSize(m_window->game().canvasWidth(), m_window->game().canvasHeight()));
    QCOMPARE(m_window->startButton()->y(), canvas->height() + 15);
    QCOMPARE(m_window->startButton()->x(), 8 + 41);
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
