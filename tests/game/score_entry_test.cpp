#include <QFile>

#include "game_fixture.h"
#include "test_files.h"
#include "write_refusal.h"

class ScoreEntry : public Theme1Game {
protected:
    HighScoreTable stored(const std::string& theme) const
    {
        return readHighScoreFile(themeFile(theme, ThemeFiles::kHighScores)).value_or(StoredHighScores{}).table;
    }
};

TEST_F(ScoreEntry, NameDateAndTimeGoIntoTheThemeOnScreensFile)
{
    point = ',';
    prompts.answers = {"Ann\r\nLee\x01", ""};   // a pasted line break, then Cancel
    for (double seconds : {12.5, 20.0, 100.0})  // 100 s is no better than the table's worst: nothing is asked
        game.enterHighScore(seconds);
    const HighScoreTable theme1 = stored("Theme1");
    EXPECT_EQ(std::tie(theme1[0].name, theme1[0].date, theme1[0].time, theme1[1].name, theme1[1].time),
              std::tuple("Ann  Lee ", "06/12/2026", "12.5", "", "20"));
    EXPECT_EQ(prompts.inputs.size(), 2u);

    writeTheme(programFolder(), "Other", makeRowTheme(2, 10, 300, 100));
    prompts.chosenTheme = "Other";
    game.chooseTheme();
    EXPECT_EQ(std::tie(game.themeName, game.state().lastObject, caption, canvasSize.first, game.highScores()[0].name),
              std::tuple("Other", 1, "Vantor - Other", 300, "Nobody"));
    prompts.answers = {"Bo"};
    game.enterHighScore(30.0);
    EXPECT_EQ(std::tie(stored("Other")[0].name, stored("Theme1")[0].name, stored("Theme1")[2].name),
              std::tuple("Bo", "Ann  Lee ", "Nobody"));
}

TEST_F(ScoreEntry, AThemeFolderThatRefusesNewFilesStillGetsTheScore)
{
    const QString folder = QString::fromStdString(programFolder() + "/Theme1");
    const bool refused = refuseWrites({folder}, true);
    prompts.answers = {"Ann"};
    game.enterHighScore(12.5);
    refuseWrites({folder}, false);
    if (!refused)
        GTEST_SKIP() << "no way to make a folder refuse new files here";
    EXPECT_EQ(stored("Theme1")[0].name, "Ann");
}

// --no-scores: a round's score enters the table on screen, and no score file is read, written or made.
TEST_F(ScoreEntry, WithoutScoresTheTableLivesInMemoryOnly)
{
    const std::string theme1 = themeFile("Theme1", ThemeFiles::kHighScores);
    ASSERT_FALSE(writeHighScoreFile(theme1, {{{"Zed", "01/01/2026", "5"}}}));
    const std::string bytes = readBytes(theme1);
    game.keepScoresInMemoryOnly();
    game.loadCurrentTheme();
    EXPECT_EQ(game.highScores()[0].name, "Nobody");

    prompts.answers = {"Ann"};
    game.enterHighScore(12.5);
    game.showHighScores();
    EXPECT_EQ(std::tie(game.highScores()[0].name, game.highScores()[0].time), std::tuple("Ann", "12.5"));
    EXPECT_EQ(readBytes(theme1), bytes);

    writeTheme(programFolder(), "Other", makeRowTheme(2));
    prompts.chosenTheme = "Other";
    game.chooseTheme();
    prompts.answers = {"Bo"};
    game.enterHighScore(30.0);
    EXPECT_EQ(game.highScores()[0].name, "Bo");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(themeFile("Other", ThemeFiles::kHighScores))));
    EXPECT_EQ(readBytes(theme1), bytes);
    EXPECT_TRUE(prompts.messages.empty());
}
