#include <QDir>
#include <QFile>
#include <QProcess>

#include "game_fixture.h"

namespace {

// Makes the folder refuse new files while its files stay writable: by permissions for a user, and by the
// immutable attribute for root, whom permissions do not stop. False where neither can be had.
bool refuseNewFiles(const QString& folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    QFile probe(folder + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return QProcess::execute("chattr", {"+i", folder}) == 0;
}

void allowNewFiles(const QString& folder)
{
    QProcess::execute("chattr", {"-i", folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

class ScoreEntry : public GameFixture {
protected:
    void SetUp() override { startUpOnTheme1(); }

    HighScoreTable stored(const std::string& theme) const
    {
        return readHighScoreFile(themeFile(theme, ThemeFiles::kHighScores)).value_or(HighScoreTable{});
    }
};

TEST_F(ScoreEntry, NameDateAndTimeGoIntoTheThemeOnScreensFile)
{
    view.point = ',';
    prompts.answers = {"Ann\r\nLee\x01", ""};  // a pasted line break, then Cancel
    game.EnterHighScore(12.5);
    game.EnterHighScore(20.0);
    game.EnterHighScore(100.0);  // no better than the table's worst: nothing is asked
    EXPECT_EQ(prompts.inputs.size(), 2u);
    const HighScoreTable theme1 = stored("Theme1");
    EXPECT_EQ(std::tie(theme1[0].name, theme1[0].date, theme1[0].time), std::tuple("Ann  Lee ", "06/12/2026", "12.5"));
    EXPECT_EQ(std::tie(theme1[1].name, theme1[1].time), std::tuple("", "20"));

    // Another theme keeps a table of its own.
    writeTheme(programFolder(), "Other", makeRowTheme(2));
    prompts.chosenTheme = "Other";
    game.Image2_Click();
    EXPECT_EQ(game.highScores()[0].name, "Nobody");
    prompts.answers = {"Bo"};
    game.EnterHighScore(30.0);
    EXPECT_EQ(stored("Other")[0].name, "Bo");
    EXPECT_EQ(stored("Theme1")[0].name, "Ann  Lee ");
    EXPECT_EQ(stored("Theme1")[2].name, "Nobody");
}

TEST_F(ScoreEntry, AThemeFolderThatRefusesNewFilesStillGetsTheScore)
{
    const QString folder = QString::fromStdString(programFolder() + "/Theme1");
    if (!refuseNewFiles(folder)) {
        allowNewFiles(folder);
        GTEST_SKIP() << "no way to make a folder refuse new files here";
    }
    prompts.answers = {"Ann"};
    game.EnterHighScore(12.5);
    allowNewFiles(folder);
    EXPECT_EQ(stored("Theme1")[0].name, "Ann");
}
