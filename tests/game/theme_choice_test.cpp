#include <QFile>

#include "game_fixture.h"

using ThemeChoice = Theme1Game;

TEST_F(ThemeChoice, CancelReloadsTheCurrentThemeAndEndsTheRound)
{
    startRound({[this] { pickUp(0); }, [this] { carryBy(0, -30); }, [this] { game.chooseTheme(); }});
    // Back at rest in its tube, with nothing to report; the chooser started on the theme in play.
    EXPECT_EQ(std::tuple(game.isRendering(), game.themeName, game.state().objectY[0] - game.state().tubeY[0],
                         prompts.messages.size(), prompts.chooserFolders, prompts.chooserStarts),
              std::tuple(false, "Theme1", 7, 0u, std::vector{programFolder()}, std::vector<std::string>{"Theme1"}));
}

TEST_F(ThemeChoice, RightClickShowsTheDetailsAsTheyAreLeftOpensAboutMiddleDoesNothing)
{
    game.aboutButtonReleased(4);
    game.aboutButtonReleased(kLeftButton);
    EXPECT_EQ(std::pair(prompts.aboutShown, prompts.messages.size()), std::pair(1, size_t{0}));
    ThemePackage theme = makeRowTheme(1);
    for (const char* description : {"First line\r\nsecond line", ""}) {
        theme.description = description;
        writeTheme(programFolder(), "Described", theme);
        game.loadTheme("Described");
        game.aboutButtonReleased(kRightButton);
        const auto& shown = prompts.messages.back();
        EXPECT_EQ(std::tie(shown.title, shown.text, shown.icon),
                  std::tuple("Theme Details",
                             std::string("Description:\r\n\t") + description + "\r\nDate:\r\n\tOn the 1st\r\n",
                             MessageIcon::Information));
    }
    ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile("Described", ThemeFiles::kDetails))));
    game.loadTheme("Described");
    game.aboutButtonReleased(kRightButton);
    EXPECT_EQ(prompts.messages.back().text, "No details found");
}
