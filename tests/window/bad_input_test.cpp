#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "editor_window.h"
#include "game_session.h"
#include "high_score_panel.h"
#include "high_score_table.h"
#include "write_refusal.h"

namespace {

struct Damage {
    QString what;    // names the damaged file first
    QString reason;  // what both programs' messages say of it
    std::function<void(const QDir& theme)> apply;
};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void replace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        QFAIL(qPrintable("cannot write " + path));
}

// A downloaded theme may come with any of these; each is made on a fresh copy of a good theme.
std::vector<Damage> themeDamages(const QDir& good)
{
    std::vector<Damage> damages;
    for (const QString& name : good.entryList(QDir::Files))
        if (name.endsWith(".bmp") || name == "Theme.ini" || name == "Theme2.ini")
            damages.push_back({name + " missing", name.endsWith(".bmp") ? "does not exist" : "",
                               [name](const QDir& theme) { QFile::remove(theme.filePath(name)); }});
    const QByteArray foreign = contentOf(good.filePath("HitTube.wav"));
    for (const QString& name : good.entryList({"*.bmp"})) {
        const auto rewrite = [name](std::function<QByteArray(QByteArray)> change) {
            return [name, change](const QDir& theme) {
                replace(theme.filePath(name), change(contentOf(theme.filePath(name))));
            };
        };
        damages.push_back(
            {name + " truncated", "truncated", rewrite([](QByteArray b) { return b.left(b.size() / 2); })});
        damages.push_back({name + " empty", "empty", rewrite([](QByteArray) { return QByteArray(); })});
        damages.push_back(
            {name + " holding a sound", "not a picture", rewrite([foreign](QByteArray) { return foreign; })});
        damages.push_back({name + " claiming 100000 x 100000", "more than", rewrite([](QByteArray b) {
                               const char side[4] = {'\xA0', '\x86', '\x01', '\0'};
                               return b.replace(18, 4, side, 4).replace(22, 4, side, 4);
                           })});
    }
    const std::tuple<const char*, const char*, QByteArray> texts[] = {
        {"Theme.ini ragged", "not a multiple of 4", "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n"},
        {"Theme.ini with a word", "line 2: \"ten\" is not a number", "10\r\nten\r\n30\r\n40\r\n"},
        {"Theme.ini out of range", "line 2: \"40000\"", "10\r\n40000\r\n30\r\n40\r\n"},
        {"Theme.ini with a blank line", "line 2", "10\r\n\r\n30\r\n40\r\n"},
        {"Theme.ini of 22 groups", "more than 21 objects", QByteArray("1\r\n").repeated(88)},
        {"Theme2.ini with one field", "needs two numbers", "5\r\n"},
        {"Theme2.ini with a word", "line 2: \"far\"", "5\r\nfar\r\n"}};
    for (const auto& [what, reason, bytes] : texts)
        damages.push_back({what, reason, [name = QString(what).section(' ', 0, 0), b = bytes](const QDir& theme) {
                               replace(theme.filePath(name), b);
                           }});
    return damages;
}

}  // namespace

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gameTellsOfEachDamagedThemeAndStillPlays();
    void editorTellsOfEachDamagedThemeAndKeepsItsWork();
    void gameKeepsWhatADamagedScoreFileHolds();
    void gameTellsWhenAScoreCannotBeSavedAndStillShowsIt();

private:
    QString theme1() const { return m_program.filePath("Theme1"); }
    void makeBroken(const Damage& damage);
    void makeGame();
    bool playRound();

    std::unique_ptr<QTemporaryDir> m_folder;
    QDir m_program;
    std::vector<Damage> m_damages;
    ScriptedPrompts m_prompts;
    std::unique_ptr<GameSession> m_session;
};

void BadInputTest::init()
{
    m_session.reset();
    m_prompts = ScriptedPrompts();
    m_folder = std::make_unique<QTemporaryDir>();
    m_program.setPath(m_folder->path());
    QCOMPARE(QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), m_folder->path()}), 0);
    m_damages = themeDamages(QDir(theme1()));
}

void BadInputTest::cleanup()
{
    refuseWrites({theme1(), theme1() + "/HighScores.ini"}, false);
}

void BadInputTest::makeBroken(const Damage& damage)
{
    QDir(m_program.filePath("Broken")).removeRecursively();
    QCOMPARE(QProcess::execute("cp", {"-r", theme1(), m_program.filePath("Broken")}), 0);
    damage.apply(QDir(m_program.filePath("Broken")));
}

void BadInputTest::makeGame()
{
    m_session = std::make_unique<GameSession>(m_program.path(), m_prompts);
}

// A whole round on the theme on screen, every object delivered a second apart; true when it reached "Game Over".
bool BadInputTest::playRound()
{
    m_session->pump.calls = 0;
    m_session->pump.steps.push_back([] {});  // the theme load's own pass
    for (int i = 0; i <= m_session->window.game().state().lastObject; ++i)
        m_session->queueDelivery(i);
    m_prompts.messages.clear();
    QTest::mouseClick(m_session->window.startButton(), Qt::LeftButton);
    return std::any_of(m_prompts.messages.begin(), m_prompts.messages.end(),
                       [](const ScriptedPrompts::Message& m) { return m.text.rfind("Game Over", 0) == 0; });
}

void BadInputTest::gameTellsOfEachDamagedThemeAndStillPlays()
{
    makeGame();
    for (const Damage& damage : m_damages) {
        makeBroken(damage);
        m_prompts.messages.clear();
        m_prompts.chosenTheme = "Broken";
        m_session->window.game().chooseTheme();
        QVERIFY2(!m_prompts.messages.empty(), qPrintable(damage.what));
        const QString text = QString::fromStdString(m_prompts.messages.front().text);
        QVERIFY2(text.contains("Broken") && text.contains(damage.reason), qPrintable(damage.what + ": " + text));
        QVERIFY2(m_session->window.windowTitle() == "Vantor - Theme1", qPrintable(damage.what));
        QVERIFY2(playRound(), qPrintable(damage.what));
    }
    // Details are shown on request, and there their damage is told; the theme itself plays.
    makeBroken({"", "", [](const QDir& theme) { replace(theme.filePath("ThemeDetails.ini"), "\"About\r\nmore\r\n"); }});
    m_session->window.game().chooseTheme();
    QCOMPARE(m_session->window.windowTitle(), QStringLiteral("Vantor - Broken"));
    m_prompts.messages.clear();
    m_session->window.game().aboutButtonReleased(kRightButton);
    QVERIFY(QString::fromStdString(m_prompts.messages.at(0).text).contains("damaged"));
    QVERIFY(playRound());
    // An empty "Theme.ini" is no damage but a theme without objects: it loads, and its round is over at once.
    makeBroken({"", "", [](const QDir& theme) { replace(theme.filePath("Theme.ini"), ""); }});
    m_session->window.game().chooseTheme();
    QCOMPARE(m_session->window.windowTitle(), QStringLiteral("Vantor - Broken"));
    QVERIFY(playRound());
}

void BadInputTest::editorTellsOfEachDamagedThemeAndKeepsItsWork()
{
    ScriptedPump pump;
    EditorWindow window(m_program.path().toStdString(), {pump, &m_prompts});
    window.editor().start();
    const Workspace& workspace = window.editor().workspace();
    QVERIFY(m_prompts.messages.empty());
    window.action("newObject")->trigger();
    const Workspace before = workspace;
    for (const Damage& damage : m_damages) {
        makeBroken(damage);
        m_prompts.chosenTheme = "Broken";
        m_prompts.questionAnswers = {Answer::Discard};  // the new object, unsaved
        window.action("loadTheme")->trigger();
        QVERIFY2(m_prompts.messages.size() == 1, qPrintable(damage.what));
        const QString text = QString::fromStdString(m_prompts.messages.front().text);
        QVERIFY2(
            text.contains("Broken") && text.contains(damage.what.section(' ', 0, 0)) && text.contains(damage.reason),
            qPrintable(damage.what + ": " + text));
        QVERIFY2(workspace.objectCount() == before.objectCount() && workspace.objectX == before.objectX &&
                     workspace.background == before.background && !workspace.themeDescription,
                 qPrintable(damage.what));
        m_prompts.messages.clear();
    }
    m_prompts.chosenTheme = "Theme1";
    m_prompts.questionAnswers = {Answer::Discard};
    window.action("loadTheme")->trigger();
    QVERIFY(m_prompts.messages.empty());
    QCOMPARE(workspace.objectCount(), 6);
}

void BadInputTest::gameKeepsWhatADamagedScoreFileHolds()
{
    const QString scores = theme1() + "/HighScores.ini";
    const QByteArray good = contentOf(scores);
    const QByteArray firstRecord = "\"Ann\"\r\n\"01/02/26\"\r\n\"99.5\"\r\n";
    const std::tuple<const char*, QByteArray, int> files[] = {
        {"cut inside a quoted record", firstRecord + "\"Bo", 9},
        {"of 200 rows", firstRecord.repeated(200), 0},
        {"of binary garbage", QByteArray("\x00\xff\"\x01\r\x89PNG\x1a", 9).repeated(50), 10},
    };
    makeGame();
    for (const auto& [what, bytes, unreadable] : files) {
        replace(scores, bytes);
        m_prompts.messages.clear();
        m_prompts.chosenTheme = "Theme1";
        m_session->window.game().chooseTheme();
        const QString told = m_prompts.messages.empty() ? "" : QString::fromStdString(m_prompts.messages[0].text);
        QVERIFY2(unreadable ? told.startsWith(QString::number(unreadable) + " of the 10 rows") : told.isEmpty(), what);
        const bool hadAnn = bytes.startsWith(firstRecord);
        QVERIFY2((m_session->window.game().highScores()[0].name == "Ann") == hadAnn, what);
        m_prompts.answers = {"Cy"};
        QVERIFY2(playRound(), what);
        const HighScoreTable saved = readHighScoreFile(scores.toStdString()).value_or(StoredHighScores{}).table;
        QVERIFY2(saved[0].name == "Cy" && (saved[1].name == "Ann") == hadAnn, what);
        replace(scores, good);
    }
}

void BadInputTest::gameTellsWhenAScoreCannotBeSavedAndStillShowsIt()
{
    makeGame();
    const QString scores = theme1() + "/HighScores.ini";
    const QByteArray before = contentOf(scores);
    if (!refuseWrites({theme1(), scores}, true))
        QSKIP("no way to make a folder and its file refuse writes here");
    m_prompts.answers = {"Dee"};
    QVERIFY(playRound());
    QCOMPARE(m_prompts.messages.size(), std::size_t{2});
    QCOMPARE(m_prompts.messages[1].title, std::string("Score not saved"));
    QCOMPARE(m_session->window.highScorePanel()->nameText(0), QStringLiteral("Dee"));
    QCOMPARE(contentOf(scores), before);
    refuseWrites({theme1(), scores}, false);
    QVERIFY(playRound());
}

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
