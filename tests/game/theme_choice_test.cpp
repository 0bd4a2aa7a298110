#include <QDir>
#include <QFile>

#include "game_fixture.h"
#include "high_score_table.h"
#include "theme_files.h"

class ThemeChoice : public GameFixture {
protected:
    void SetUp() override
    {
        writeTheme(programFolder(), "Theme1", makeRowTheme(3));
        writeTheme(programFolder(), "Seven", makeRowTheme(7, 8, 300, 100));
        for (const char* theme : {"Theme1", "Seven"})
            ASSERT_FALSE(writeHighScoreFile(programFolder() + "/" + theme + "/" + ThemeFiles::kHighScores, {}));
        startUp();
        prompts.messages.clear();
    }
};

TEST_F(ThemeChoice, OkLoadsThePickedTheme)
{
    prompts.chosenTheme = "Seven";
    game.Image2_Click();
    EXPECT_EQ(prompts.chooserFolders, std::vector<std::string>{programFolder()});
    EXPECT_EQ(game.ThemeName, "Seven");
    EXPECT_EQ(game.state().LastObj, 6);
    EXPECT_EQ(view.caption, "Vantor - Seven");
    EXPECT_EQ(view.canvasWidth, 300);
}

TEST_F(ThemeChoice, CancelReloadsTheCurrentThemeAndEndsTheRound)
{
    pump.steps.push_back([this] {
        pickUp(0);
        carryBy(0, -30);
    });
    pump.steps.push_back([this] {
        EXPECT_NE(game.state().ObjY[0], game.state().ContY[0] + 7);
        game.Image2_Click();
    });
    startRound();
    EXPECT_FALSE(game.isRendering());
    EXPECT_EQ(game.ThemeName, "Theme1");
    EXPECT_EQ(game.state().ObjY[0], game.state().ContY[0] + 7);  // back at rest in its tube
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ThemeChoice, AFolderThatIsNoThemeFallsBackToTheme1)
{
    ASSERT_TRUE(QDir(QString::fromStdString(programFolder())).mkdir("Holiday pictures"));
    prompts.chosenTheme = "Holiday pictures";
    game.Image2_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "There is an important file missing. Can not load theme Holiday pictures\r\nLoading default theme..");
    EXPECT_EQ(view.caption, "Vantor - Theme1");
}

TEST_F(ThemeChoice, DetailsShowDescriptionAndDateLine)
{
    game.imgAbout_MouseUp(kRightButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Theme Details");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompts.messages[0].text, "Description:\r\n\tA crafted theme\r\nDate:\r\n\tOn the 1st\r\n");
}

TEST_F(ThemeChoice, DetailsWithALineBreakAndWithAnEmptyDescription)
{
    ThemePackage theme = makeRowTheme(1);
    theme.description = "First line\r\nsecond line";
    writeTheme(programFolder(), "Broken lines", theme);
    game.LoadTheme("Broken lines");
    game.imgAbout_MouseUp(kRightButton);
    EXPECT_EQ(prompts.messages.back().text, "Description:\r\n\tFirst line\r\nsecond line\r\nDate:\r\n\tOn the 1st\r\n");

    theme.description.clear();
    writeTheme(programFolder(), "Dated", theme);
    game.LoadTheme("Dated");
    game.imgAbout_MouseUp(kRightButton);
    EXPECT_EQ(prompts.messages.back().text, "Description:\r\n\t\r\nDate:\r\n\tOn the 1st\r\n");
}

TEST_F(ThemeChoice, NoDetailsAfterSwitchingToAThemeWithout)
{
    ASSERT_TRUE(QFile::remove(QString::fromStdString(programFolder() + "/Seven/" + ThemeFiles::kDetails)));
    game.LoadTheme("Seven");
    game.imgAbout_MouseUp(kRightButton);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().text, "No details found");
}

TEST_F(ThemeChoice, LeftOpensAboutAndMiddleDoesNothing)
{
    game.imgAbout_MouseUp(4);
    EXPECT_EQ(prompts.aboutShown, 0);
    EXPECT_TRUE(prompts.messages.empty());
    game.imgAbout_MouseUp(kLeftButton);
    EXPECT_EQ(prompts.aboutShown, 1);
}
