#include <QFile>

#include "game_fixture.h"

using ThemeChoice = Theme1Game;

TEST_F(ThemeChoice, CancelReloadsTheCurrentThemeAndEndsTheRound)
{
    startRound({[this] { pickUp(0); }, [this] { carryBy(0, -30); }, [this] { game.Image2_Click(); }});
    // Back at rest in its tube, with nothing to report.
    EXPECT_EQ(std::tuple(game.isRendering(), game.ThemeName, game.state().ObjY[0] - game.state().ContY[0],
                         prompts.messages.size(), prompts.chooserFolders),
              std::tuple(false, "Theme1", 7, 0u, std::vector{programFolder()}));
}

TEST_F(ThemeChoice, RightClickShowsTheDetailsAsTheyAreLeftOpensAboutMiddleDoesNothing)
{
    game.imgAbout_MouseUp(4);
    game.imgAbout_MouseUp(kLeftButton);
    EXPECT_EQ(std::pair(prompts.aboutShown, prompts.messages.size()), std::pair(1, size_t{0}));
    ThemePackage theme = makeRowTheme(1);
    for (const char* description : {"First line\r\nsecond line", ""}) {
        theme.description = description;
        writeTheme(programFolder(), "Described", theme);
        game.LoadTheme("Described");
        game.imgAbout_MouseUp(kRightButton);
        const auto& shown = prompts.messages.back();
        EXPECT_EQ(std::tie(shown.title, shown.text, shown.icon),
                  std::tuple("Theme Details",
                             std::string("Description:\r\n\t") + description + "\r\nDate:\r\n\tOn the 1st\r\n",
                             MessageIcon::Information));
    }
    ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile("Described", ThemeFiles::kDetails))));
    game.LoadTheme("Described");
    game.imgAbout_MouseUp(kRightButton);
    EXPECT_EQ(prompts.messages.back().text, "No details found");
}
