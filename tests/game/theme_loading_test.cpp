#include <QDir>
#include <QFile>

#include "atomic_file.h"
#include "game_fixture.h"

class ThemeLoading : public GameFixture {
protected:
    std::string themeFile(const std::string& theme, const std::string& file) const
    {
        return programFolder() + "/" + theme + "/" + file;
    }
    void removeFile(const std::string& theme, const std::string& file)
    {
        ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile(theme, file))));
    }
};

TEST_F(ThemeLoading, StartUpLoadsTheme1AndRecordsTheProgramFolder)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    startUp();
    EXPECT_TRUE(game.hasTheme());
    EXPECT_EQ(view.caption, "Vantor - Theme1");
    EXPECT_EQ(view.timeText, "00.00");
    EXPECT_EQ(std::pair(view.canvasWidth, view.canvasHeight), std::pair(200, 120));
    EXPECT_EQ(game.state().LastObj, 2);
    EXPECT_EQ(game.ThemeDescription(), "A crafted theme");
    ASSERT_EQ(prompts.messages.size(), 1u);  // no score file yet
    EXPECT_EQ(prompts.messages[0].title, "File not found");
    EXPECT_EQ(prompts.messages[0].text, "Highscore file not found");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(registry.RegistryReadValue(RootKey::LocalMachine, "Software\\Helmwick\\Vantor", "Path"),
              RegistryValue(programFolder()));
}

TEST_F(ThemeLoading, MissingTextFileFallsBackToTheme1AndFollowsIt)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    writeTheme(programFolder(), "Half", makeRowTheme(5));
    removeFile("Half", ThemeFiles::kBoxPosition);
    game.ThemeName = "Half";
    game.LoadTheme("Half");
    ASSERT_GE(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "File(s) missing");
    EXPECT_EQ(prompts.messages[0].text,
              "There is an important file missing. Can not load theme Half\r\nLoading default theme..");
    EXPECT_EQ(game.state().LastObj, 2);
    EXPECT_EQ(game.ThemeName, "Theme1");
    EXPECT_EQ(view.caption, "Vantor - Theme1");
}

TEST_F(ThemeLoading, DamagedThemeNamesTheProblemThenFallsBack)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    writeTheme(programFolder(), "Ragged", makeRowTheme(2));
    ASSERT_FALSE(writeFileAtomically(themeFile("Ragged", ThemeFiles::kPositions), "10\r\nten\r\n4\r\n5\r\n"));
    game.LoadTheme("Ragged");
    ASSERT_GE(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Theme damaged");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(prompts.messages[0].text.find("Ragged"), std::string::npos);
    EXPECT_NE(prompts.messages[0].text.find("line 2"), std::string::npos);
    EXPECT_EQ(game.ThemeName, "Theme1");
}

TEST_F(ThemeLoading, MissingTheme1LeavesTheWindowWithoutATheme)
{
    startUp();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"File(s) missing", "Theme not found"}));
    EXPECT_EQ(prompts.messages[1].text, "Can't find Default theme");
    EXPECT_FALSE(game.hasTheme());
}

TEST_F(ThemeLoading, DamagedTheme1IsReportedOnceNeverRetried)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    removeFile("Theme1", "ss1.bmp");
    startUp();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"Theme damaged", "Theme not found"}));
    EXPECT_NE(prompts.messages[0].text.find("ss1.bmp"), std::string::npos);
    EXPECT_FALSE(game.hasTheme());
}

TEST_F(ThemeLoading, FailedChoiceKeepsThePreviousThemeWhole)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    startUp();
    removeFile("Theme1", ThemeFiles::kBoxMask);
    QDir(QString::fromStdString(programFolder())).mkdir("Empty");
    game.ThemeName = "Empty";
    game.LoadTheme("Empty");
    EXPECT_EQ(game.state().LastObj, 2);
    EXPECT_EQ(game.pictures().PicSprite.size(), 3u);
    EXPECT_EQ(prompts.messages.back().text, "Can't find Default theme");
}

TEST_F(ThemeLoading, SmallerThemeAfterLargerLeavesNoTrace)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    writeTheme(programFolder(), "Seven", makeRowTheme(7, 8, 300, 100));
    game.LoadTheme("Seven");
    game.LoadTheme("Theme1");
    EXPECT_EQ(game.pictures().PicSprite.size(), 3u);
    EXPECT_EQ(game.pictures().PicContMask.size(), 3u);
    for (int i = 3; i < kMaxObjects; ++i) {
        EXPECT_EQ(game.state().ObjX[i], 0);
        EXPECT_FALSE(game.state().ObjActive[i]);
    }
}
