#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstddef>
#include <map>
#include <numeric>
#include <random>

#include <malloc.h>

#include "game_session.h"
#include "high_score_panel.h"
#include "image_button.h"
#include "registry_store.h"
#include "score_time.h"

// Part of the sanitizer runtimes, which count the blocks they hand out themselves (glibc's count would not see
// them, nor be inflated by the freed blocks they hold in quarantine); absent from a plain build.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

constexpr int kRounds = 1000;
constexpr int kWarmUpRounds = 20;
// Above what the window's caches and buffers settle at (some 200 KiB), below what 600 bytes lost a round add up to.
constexpr long long kHeapGrowthBoundBytes = 512 << 10;
// Passes with no scripted step left before a round that nothing ends fails the test.
constexpr int kMaxIdlePasses = 50;
const std::string kThemes[] = {"Theme1", "Workshop"};

long long liveHeapBytes()
{
    if (__sanitizer_get_current_allocated_bytes)
        return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
    return static_cast<long long>(mallinfo2().uordblks);
}

// A table kept best first takes a time below every row that is not slower; false when that is below the tenth.
bool enterTime(HighScoreTable& table, const std::string& name, double seconds)
{
    const auto place = std::count_if(table.begin(), table.end(),
                                     [seconds](const HighScoreRow& row) { return timeValue(row.time) <= seconds; });
    if (place == kHighScoreRows)
        return false;
    std::move_backward(table.begin() + place, table.end() - 1, table.end());
    table[place] = {name, "", formatSeconds(seconds, '.')};
    return true;
}

QStringList namesAndTimes(const HighScoreTable& table)
{
    QStringList rows;
    for (const HighScoreRow& row : table)
        rows << QString::fromStdString(row.name + " " + row.time);
    return rows;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void thousandRoundsKeepEveryTableRightAndTheHeapBounded();

private:
    bool chance(int oneIn) { return m_random() % oneIn == 0; }
    bool queueRound(int objects);
    void queueObjects(int count, int objects);
    void checkRound(const std::string& theme, bool finishes, const std::string& name);

    QTemporaryDir m_folder;
    ScriptedPrompts m_prompts;
    std::unique_ptr<GameSession> m_session;
    QWidget* m_themeButton = nullptr;
    std::mt19937 m_random{20260710};
    std::map<std::string, HighScoreTable> m_tables;
    std::int64_t m_roundStartMs = 0;
    int m_idlePasses = 0, m_finished = 0, m_entered = 0, m_slow = 0;
};

// Returns whether the round should end in "Game Over": a theme change in its midst ends it unfinished.
bool SoakTest::queueRound(int objects)
{
    m_session->pump.steps.push_back([] {});  // the theme load's own pass
    const bool restart = chance(8);
    const bool themeChange = !restart && chance(25);
    if (restart || themeChange) {
        queueObjects(m_random() % objects, objects);
        m_session->pump.steps.push_back([this, restart] {
            if (restart)
                m_roundStartMs = m_session->clock.nowMs();
            m_prompts.chosenTheme = m_session->window.game().themeName == kThemes[0] ? kThemes[1] : kThemes[0];
            QTest::mouseClick(restart ? m_session->window.startButton() : m_themeButton, Qt::LeftButton);
        });
        m_session->pump.steps.push_back([] {});  // the pass of the theme load that the click starts
    }
    if (chance(10))
        m_session->pump.steps.push_back([this, ms = 100000 + m_random() % 30000] { m_session->clock.advance(ms); });
    queueObjects(objects, objects);
    return !themeChange;
}

// Delivers `count` of the objects in a random order, some after a wall touch or a release outside the box, each
// of which slides the object back and locks the pointer out for a while.
void SoakTest::queueObjects(int count, int objects)
{
    std::vector<int> order(objects);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), m_random);
    for (int i = 0; i < count; ++i) {
        while (chance(12)) {
            const bool wall = chance(2);
            if (wall)
                m_session->queueWallTouch(order[i]);
            else
                m_session->queueReleaseOutside(order[i]);
            m_session->pump.steps.push_back([this, wall, ms = kLockOutMs + m_random() % 1000] {
                QVERIFY(m_session->window.game().isLockedOut());
                QVERIFY(QString::fromStdString(m_session->sound.played.back())
                            .endsWith(wall ? "/HitTube.wav" : "/LetGo.wav"));
                m_session->clock.advance(ms);
            });
        }
        m_session->queueDelivery(order[i], 1000 + m_random() % 3000);
    }
}

void SoakTest::checkRound(const std::string& theme, bool finishes, const std::string& name)
{
    if (finishes) {
        const double seconds = elapsedSeconds(m_session->clock.nowMs() - m_roundStartMs);
        const std::string shown = formatSeconds(seconds, m_session->window.decimalPoint());
        QCOMPARE(m_prompts.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_prompts.messages[0].text),
                 QString::fromStdString("Game Over\r\nYou took: " + shown + " seconds"));
        const bool ranks = enterTime(m_tables[theme], name, seconds);
        QCOMPARE(m_prompts.inputs.size(), std::size_t(ranks ? 1 : 0));
        ++m_finished;
        m_entered += ranks;
        m_slow += seconds >= 100;
    } else {
        QVERIFY(m_prompts.messages.empty() && m_prompts.inputs.empty());
    }
    QCOMPARE(namesAndTimes(m_session->window.game().highScores()),
             namesAndTimes(m_tables[m_session->window.game().themeName]));
    for (const std::string& each : kThemes) {
        const std::optional<StoredHighScores> stored =
            readHighScoreFile(m_folder.filePath(QString::fromStdString(each + "/HighScores.ini")).toStdString());
        QVERIFY(stored);
        QCOMPARE(namesAndTimes(stored->table), namesAndTimes(m_tables[each]));
    }
}

void SoakTest::thousandRoundsKeepEveryTableRightAndTheHeapBounded()
{
    for (const std::string& theme : kThemes) {
        const QString shipped = QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/") + QString::fromStdString(theme);
        QCOMPARE(QProcess::execute("cp", {"-r", shipped, m_folder.path()}), 0);
        const std::optional<StoredHighScores> stored = readHighScoreFile((shipped + "/HighScores.ini").toStdString());
        QVERIFY(stored);
        m_tables[theme] = stored->table;
    }
    m_session = std::make_unique<GameSession>(m_folder.path(), m_prompts);
    m_session->pump.whenIdle = [this] {
        if (++m_idlePasses > kMaxIdlePasses) {
            QTest::qFail("the round did not end", __FILE__, __LINE__);
            m_session->window.game().windowClosing();
        }
    };
    for (ImageButton* button : m_session->window.findChildren<ImageButton*>())
        if (button->toolTip() == QStringLiteral("Change the theme"))
            m_themeButton = button;
    QVERIFY(m_themeButton);
    QVERIFY(QTest::qWaitForWindowExposed(&m_session->window));

    // The themes' pictures differ in size, so each theme's heap is compared with its own first round after the
    // warm-up.
    std::map<std::string, std::pair<long long, long long>> heapFirstAndLast;
    for (int round = 0; round < kRounds && !QTest::currentTestFailed(); ++round) {
        const std::string theme = m_session->window.game().themeName;
        if (round >= kWarmUpRounds) {
            const long long heap = liveHeapBytes();
            heapFirstAndLast.try_emplace(theme, heap, heap).first->second.second = heap;
        }
        const std::string name = "Soaker " + std::to_string(round);
        m_session->pump.steps.clear();
        m_prompts = ScriptedPrompts();
        m_prompts.answers = {name};
        m_session->sound = RecordingSound();
        m_idlePasses = 0;
        const bool finishes = queueRound(m_session->window.game().state().lastObject + 1);
        m_roundStartMs = m_session->clock.nowMs();
        QTest::mouseClick(m_session->window.startButton(), Qt::LeftButton);
        checkRound(theme, finishes, name);
        QTest::mouseClick(m_session->window.highScorePanel()->closeButton(), Qt::LeftButton);
    }

    QFile status(QStringLiteral("/proc/self/status"));
    QVERIFY(status.open(QIODevice::ReadOnly));
    const QString peak = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+ kB)")).match(status.readAll()).captured(1);
    qInfo("%d rounds finished, %d entered a table, %d took 100 s or more; peak resident size %s", m_finished, m_entered,
          m_slow, qPrintable(peak));
    for (const auto& [theme, heap] : heapFirstAndLast) {
        qInfo("%s: live heap %lld bytes at its first round after the warm-up, grown by %lld bytes at its last",
              theme.c_str(), heap.first, heap.second - heap.first);
        QVERIFY2(heap.second - heap.first < kHeapGrowthBoundBytes, theme.c_str());
    }
    QVERIFY(m_finished > kRounds / 2 && m_entered > 0 && m_slow > 0);
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
