#include <QDir>
#include <QFile>

#include "game_fixture.h"
#include "theme_files.h"

namespace {

void removeFile(const std::string& folder, const std::string& theme, const std::string& file)
{
    ASSERT_TRUE(QFile::remove(QString::fromStdString(folder + "/" + theme + "/" + file)));
}

void replaceFile(const std::string& folder, const std::string& theme, const std::string& file, const char* text)
{
    QFile out(QString::fromStdString(folder + "/" + theme + "/" + file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(text);
}

}  // namespace

class ThemeLoading : public GameFixture {};

TEST_F(ThemeLoading, StartUpLoadsTheDefaultTheme)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    startUp();
    EXPECT_TRUE(game.hasTheme());
    EXPECT_EQ(view.caption, "Vantor - Theme1");
    EXPECT_EQ(view.timeText, "00.00");
    EXPECT_EQ(view.canvasWidth, 200);
    EXPECT_EQ(view.canvasHeight, 120);
    EXPECT_EQ(game.state().LastObj, 2);
    EXPECT_EQ(game.ThemeDescription(), "A crafted theme");
    EXPECT_EQ(view.layouts, 1);
    ASSERT_EQ(prompts.messages.size(), 1u);  // no score file yet
    EXPECT_EQ(prompts.messages[0].title, "File not found");
    EXPECT_EQ(prompts.messages[0].text, "Highscore file not found");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(ThemeLoading, MissingTextFileFallsBackToTheme1AndFollowsIt)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    writeTheme(programFolder(), "Half", makeRowTheme(5));
    removeFile(programFolder(), "Half", ThemeFiles::kBoxPosition);
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
    replaceFile(programFolder(), "Ragged", ThemeFiles::kPositions, "10\r\nten\r\n4\r\n5\r\n");
    game.LoadTheme("Ragged");
    ASSERT_GE(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Theme damaged");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(prompts.messages[0].text.find("Ragged"), std::string::npos);
    EXPECT_NE(prompts.messages[0].text.find("line 2"), std::string::npos);
    EXPECT_EQ(game.ThemeName, "Theme1");
}

TEST_F(ThemeLoading, NoDefaultThemeLeavesTheWindowWithoutATheme)
{
    startUp();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"File(s) missing", "Theme not found"}));
    EXPECT_EQ(prompts.messages[1].text, "Can't find Default theme");
    EXPECT_FALSE(game.hasTheme());
}

TEST_F(ThemeLoading, DamagedDefaultThemeIsReportedOnceNeverRetried)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    removeFile(programFolder(), "Theme1", "ss1.bmp");
    startUp();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"Theme damaged", "Theme not found"}));
    EXPECT_NE(prompts.messages[0].text.find("ss1.bmp"), std::string::npos);
}

TEST_F(ThemeLoading, FailedChoiceKeepsThePreviousThemeWhole)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    startUp();
    removeFile(programFolder(), "Theme1", ThemeFiles::kBoxMask);
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

TEST_F(ThemeLoading, StartUpRecordsTheProgramFolder)
{
    writeTheme(programFolder(), "Theme1", makeRowTheme(3));
    startUp();
    const RegistryValue path = registry.RegistryReadValue(RootKey::LocalMachine, "Software\\Helmwick\\Vantor", "Path");
    ASSERT_TRUE(std::holds_alternative<std::string>(path));
    EXPECT_EQ(std::get<std::string>(path), programFolder());
}
