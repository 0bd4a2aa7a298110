#include <QFile>

#include "game_fixture.h"

class ThemeChoice : public GameFixture {
protected:
    void SetUp() override
    {
        writeTheme(programFolder(), "Seven", makeRowTheme(7, 8, 300, 100));
        ASSERT_FALSE(writeHighScoreFile(themeFile("Seven", ThemeFiles::kHighScores), {}));
        startUpOnTheme1();
    }

    std::string details()
    {
        game.imgAbout_MouseUp(kRightButton);
        return prompts.messages.empty() ? "(none)" : prompts.messages.back().text;
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
    EXPECT_EQ(view.canvasSize.first, 300);
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

TEST_F(ThemeChoice, RightClickShowsTheDetailsAsTheyAreLeftOpensAboutMiddleDoesNothing)
{
    game.imgAbout_MouseUp(4);
    EXPECT_EQ(prompts.aboutShown, 0);
    EXPECT_TRUE(prompts.messages.empty());
    game.imgAbout_MouseUp(kLeftButton);
    EXPECT_EQ(prompts.aboutShown, 1);
    EXPECT_EQ(details(), "Description:\r\n\tA crafted theme\r\nDate:\r\n\tOn the 1st\r\n");
    EXPECT_EQ(std::tie(prompts.messages.back().title, prompts.messages.back().icon),
              std::tuple("Theme Details", MessageIcon::Information));

    ThemePackage theme = makeRowTheme(1);
    for (const char* description : {"First line\r\nsecond line", ""}) {
        theme.description = description;
        writeTheme(programFolder(), "Described", theme);
        game.LoadTheme("Described");
        EXPECT_EQ(details(), std::string("Description:\r\n\t") + description + "\r\nDate:\r\n\tOn the 1st\r\n");
    }

    ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile("Seven", ThemeFiles::kDetails))));
    game.LoadTheme("Seven");
    EXPECT_EQ(details(), "No details found");
}
