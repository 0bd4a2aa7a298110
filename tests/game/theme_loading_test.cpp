#include <QFile>

#include "atomic_file.h"
#include "game_fixture.h"

using ThemeLoading = GameFixture;

TEST_F(ThemeLoading, StartUpLoadsTheme1AndRecordsTheProgramFolder)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    game.initialize();
    game.loadCurrentTheme();
    EXPECT_EQ(std::tie(caption, timeText, canvasSize), std::tuple("Vantor - Theme1", "00.00", std::pair(200, 120)));
    EXPECT_EQ(std::tie(game.state().lastObject, game.themeDescription()), std::tuple(2, "A crafted theme"));
    ASSERT_EQ(prompts.messages.size(), 1u);  // no score file yet
    EXPECT_EQ(std::tie(prompts.messages[0].title, prompts.messages[0].text, prompts.messages[0].icon),
              std::tuple("File not found", "Highscore file not found", MessageIcon::Exclamation));
    EXPECT_EQ(registry.readValue(RootKey::LocalMachine, "Software\\Helmwick\\Vantor", "Path"),
              RegistryValue(programFolder()));
    // The cues are read afresh at every load, as a theme's sounds may have changed on disk.
    game.loadTheme("Theme1");
    const std::vector<std::string> cues = {themeFile("Theme1", "HitTube.wav"), themeFile("Theme1", "PutInCont.wav"),
                                           themeFile("Theme1", "Pickup.wav"), themeFile("Theme1", "LetGo.wav")};
    EXPECT_EQ(sound.loaded, (std::vector{cues, cues}));
}

TEST_F(ThemeLoading, BrokenThemesAreReportedAndTheme1TakesTheirPlaceWhichIsTriedOnceAndOtherwiseKeptOnScreen)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile("Theme1", "ss1.bmp"))));
    game.initialize();
    game.loadCurrentTheme();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"Theme damaged", "Theme not found"}));
    EXPECT_NE(prompts.messages[0].text.find("ss1.bmp"), std::string::npos);
    EXPECT_FALSE(game.hasTheme());

    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    writeTheme(programFolder(), "Half", makeRowTheme(5));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile("Half", ThemeFiles::kBoxPosition))));
    writeTheme(programFolder(), "Ragged", makeRowTheme(2));
    ASSERT_FALSE(writeFileAtomically(themeFile("Ragged", ThemeFiles::kPositions), "10\r\nten\r\n4\r\n5\r\n"));
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Half", "File(s) missing",
         "There is an important file missing. Can not load theme Half\r\nLoading default theme.."},
        {"Ragged", "Theme damaged",
         "The theme Ragged is damaged and can not be loaded:\r\n\"" + themeFile("Ragged", ThemeFiles::kPositions) +
             "\", line 2: \"ten\" is not a number from -32768 to 32767\r\nLoading default theme.."}};
    for (const auto& [name, title, text] : cases) {
        prompts.messages.clear();
        prompts.chosenTheme = name;
        game.chooseTheme();
        const auto& shown = prompts.messages.at(0);
        EXPECT_EQ(std::tie(shown.title, shown.text, shown.icon), std::tuple(title, text, MessageIcon::Exclamation));
        EXPECT_EQ(std::tie(game.state().lastObject, game.themeName, caption),
                  std::tuple(2, "Theme1", "Vantor - Theme1"));
    }

    // With Theme1 broken as well, a failed choice keeps the theme on screen whole, and its name: Start plays it
    // and its scores go to its own folder.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(themeFile("Theme1", ThemeFiles::kBoxMask))));
    prompts.chosenTheme = "Empty";
    game.chooseTheme();
    EXPECT_EQ(std::pair(game.state().lastObject, game.pictures().objects.size()), std::pair(2, size_t{3}));
    EXPECT_EQ(std::tie(prompts.messages.back().text, game.themeName), std::tuple("Can't find Default theme", "Theme1"));
}
