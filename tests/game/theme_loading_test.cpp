#include <QDir>
#include <QFile>

#include "atomic_file.h"
#include "game_fixture.h"

class ThemeLoading : public GameFixture {
protected:
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
    EXPECT_EQ(std::tie(view.caption, view.timeText), std::tuple("Vantor - Theme1", "00.00"));
    EXPECT_EQ(view.canvasSize, std::pair(200, 120));
    EXPECT_EQ(game.state().LastObj, 2);
    EXPECT_EQ(game.ThemeDescription(), "A crafted theme");
    ASSERT_EQ(prompts.messages.size(), 1u);  // no score file yet
    EXPECT_EQ(std::tie(prompts.messages[0].title, prompts.messages[0].text),
              std::tuple("File not found", "Highscore file not found"));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(registry.RegistryReadValue(RootKey::LocalMachine, "Software\\Helmwick\\Vantor", "Path"),
              RegistryValue(programFolder()));
    ASSERT_EQ(sound.loaded.size(), 1u);
    EXPECT_EQ(sound.loaded[0],
              (std::vector<std::string>{themeFile("Theme1", "HitTube.wav"), themeFile("Theme1", "PutInCont.wav"),
                                        themeFile("Theme1", "Pickup.wav"), themeFile("Theme1", "LetGo.wav")}));
}

TEST_F(ThemeLoading, BrokenThemeIsReportedThenTheme1IsLoadedInItsPlace)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    writeTheme(programFolder(), "Half", makeRowTheme(5));
    removeFile("Half", ThemeFiles::kBoxPosition);
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
        game.ThemeName = name;
        game.LoadTheme(name);
        ASSERT_FALSE(prompts.messages.empty());
        EXPECT_EQ(std::tie(prompts.messages[0].title, prompts.messages[0].text), std::tie(title, text));
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(game.state().LastObj, 2);
        EXPECT_EQ(std::tie(game.ThemeName, view.caption), std::tuple("Theme1", "Vantor - Theme1"));
    }
}

TEST_F(ThemeLoading, MissingOrDamagedTheme1IsReportedOnceNeverRetriedAndLeavesNoTheme)
{
    startUp();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"File(s) missing", "Theme not found"}));
    EXPECT_EQ(prompts.messages[1].text, "Can't find Default theme");
    EXPECT_FALSE(game.hasTheme());

    prompts.messages.clear();
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
    // The name follows the theme on screen, so Start plays it and its scores go to its own folder.
    EXPECT_EQ(game.ThemeName, "Theme1");
}
