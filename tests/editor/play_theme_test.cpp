#include <QDir>

#include "editor_fixture.h"
#include "file_system.h"
#include "save_theme.h"
#include "test_files.h"
#include "theme_reader.h"

namespace {

QStringList entriesOf(const std::string& folder)
{
    return QDir(QString::fromStdString(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

}  // namespace

// The user's temporary folder is a scratch folder of the test's own.
class PlayTheme : public EditorFixture {
protected:
    PlayTheme() : m_previousTemporary(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QByteArray::fromStdString(m_temporary.path()));
    }
    ~PlayTheme() override { qputenv("TMPDIR", m_previousTemporary); }

    std::string temporary() const { return m_temporary.path(); }

private:
    ScratchFolder m_temporary;
    QByteArray m_previousTemporary;
};

// Play Theme writes the workspace, as a save would, into a folder of its own under the user's temporary folder and
// starts the game on it, keeping no scores. The folder goes when the game ends, when a new play-test takes over,
// and when the editor closes, which ends the game. Nothing is written among the themes.
TEST_F(PlayTheme, PlaysTheWorkspaceFromATemporaryFolderThatGoesWithTheGame)
{
    startUpOnTheme1();
    const QStringList themes = entriesOf(programFolder());
    editor.toggleShowBox();
    editor.playTheme();
    ASSERT_EQ(game.launched.size(), 1u);
    const std::vector<std::string>& arguments = game.launched[0];
    ASSERT_EQ(arguments.size(), 3u);
    EXPECT_EQ(std::pair(arguments[0], arguments[2]),
              std::pair(std::string("--theme-folder"), std::string("--no-scores")));
    const std::string played = arguments[1];
    EXPECT_EQ(played.rfind(temporary() + "/ornavel-play-", 0), 0u) << played;
    EXPECT_EQ(played.substr(played.rfind('/')), "/My theme");
    const ThemeReadResult read = readThemeFolder(played, "My theme");
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(std::get<0>(packageFields(read.value())), std::get<0>(packageFields(packageOf(ws(), {}))));
    EXPECT_TRUE(view.modified);  // nothing was saved

    game.endGame();
    EXPECT_TRUE(entriesOf(temporary()).isEmpty());

    editor.playTheme();
    const std::string first = game.launched[1][1];
    editor.playTheme();
    EXPECT_FALSE(isFolder(first));
    EXPECT_TRUE(isFolder(game.launched[2][1]));
    editor.windowClosing();
    EXPECT_FALSE(game.running());
    EXPECT_TRUE(entriesOf(temporary()).isEmpty());
    EXPECT_EQ(entriesOf(programFolder()), themes);
    EXPECT_TRUE(prompts.messages.empty());
}

// A game that cannot start is told, a theme the programs could not read is not played, and nothing stays behind.
TEST_F(PlayTheme, AGameThatCannotStartIsToldAndLeavesNothing)
{
    ThemePackage tall = framedRowTheme(1);
    tall.objects[0].picture = Surface(100, 8200, kWhite);  // its default tube breaks the side limit
    startUpOnTheme1(tall);
    editor.playTheme();
    EXPECT_TRUE(game.launched.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Theme not played");

    ASSERT_TRUE(editor.loadTheme("Theme1"));  // with the theme's own, smaller tube
    game.refusal = "the game is not there";
    editor.playTheme();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[1].text.find("the game is not there"), std::string::npos);
    EXPECT_TRUE(entriesOf(temporary()).isEmpty());
    EXPECT_FALSE(editor.playTest().isRunning());
}
