#include <QDir>

#include "game_command_line.h"
#include "game_fixture.h"
#include "score_time.h"
#include "test_files.h"

namespace {

// A second game with fakes of its own, over the same themes as the fixture's.
class SecondGame : public GameView {
public:
    explicit SecondGame(ThemeLocations themes) : game(std::move(themes), {clock, sound, prompts, pump, *this, registry})
    {
    }
    void setCaption(const std::string& text) override { caption = text; }
    void setTimeText(const std::string&) override {}
    void setCanvasSize(int, int) override {}
    void fitWindowToCanvas() override {}
    void present(const Surface&) override {}
    void showHighScoreRows(const HighScoreTable&) override {}
    void setHighScorePanelVisible(bool) override {}
    std::string todayShortDate() override { return "07/12/2026"; }
    char decimalPoint() override { return '.'; }

    std::string caption;
    QTemporaryDir settings;
    FakeClock clock;
    RecordingSound sound;
    ScriptedPrompts prompts;
    ScriptedPump pump;
    RegistryStore registry{settings.path().toStdString()};
    Game game;
};

std::vector<std::string> namesAndTimes(const HighScoreTable& table, int rows)
{
    std::vector<std::string> shown;
    for (int row = 0; row < rows; ++row)
        shown.push_back(table[row].name + " " + table[row].time);
    return shown;
}

}  // namespace

using TwoGames = Theme1Game;

TEST_F(TwoGames, EnteringScoresInTurnFromStaleTablesKeepsEveryRow)
{
    SecondGame other(ThemeLocations::portable(programFolder()));
    other.game.initialize();
    other.game.loadCurrentTheme();
    // Each enters a score against the table it read at its own last load or entry, never the other's latest.
    prompts.answers = {"Ann", "Cy"};
    other.prompts.answers = {"Bob"};
    game.enterHighScore(20.0);
    other.game.enterHighScore(12.5);
    game.enterHighScore(15.0);
    const std::vector<std::string> expected = {"Bob 12.5", "Cy 15", "Ann 20", "Nobody 100"};
    const HighScoreTable stored =
        readHighScoreFile(themeFile("Theme1", ThemeFiles::kHighScores)).value_or(StoredHighScores{}).table;
    EXPECT_EQ(namesAndTimes(stored, 4), expected);
    EXPECT_EQ(namesAndTimes(game.highScores(), 4), expected);
    EXPECT_TRUE(prompts.messages.empty() && other.prompts.messages.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(themeFile("Theme1", "HighScores.ini.lock"))));
}

TEST_F(TwoGames, AnInstalledGamePlaysShippedThemesAndKeepsTheirScoresInTheUsersDataOnly)
{
    // The fixture's program folder serves as the prefix: the program in games/, the shipped themes in share/.
    const std::string shipped = programFolder() + "/share/vantor/themes";
    writeTheme(shipped, "Theme1", makeRowTheme(2));
    writeTheme(shipped, "Workshop", makeRowTheme(3));
    HighScoreTable shippedTable;
    shippedTable[0] = {"Shipped", "01/01/2026", "50"};
    ASSERT_FALSE(writeHighScoreFile(shipped + "/Theme1/HighScores.ini", shippedTable));
    const std::string shippedBytes = readBytes(shipped + "/Theme1/HighScores.ini");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(programFolder() + "/games")));
    const std::string data = programFolder() + "/data";
    writeTheme(data + "/vantor/themes", "Mine", makeRowTheme(1));

    SecondGame installed(ThemeLocations({programFolder() + "/games", programFolder() + "/home", data, "/nonexistent"}));
    installed.game.initialize("Missing");
    installed.game.loadCurrentTheme();
    const std::vector<ScriptedPrompts::Message>& said = installed.prompts.messages;
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text,
              "There is an important file missing. Can not load theme Missing\r\nLoading default theme..");
    // The table starts from the shipped one; the entry goes to the user's copy, and the shipped file stays.
    EXPECT_EQ(std::tie(installed.caption, installed.game.highScores()[0].name),
              std::tuple("Vantor - Theme1", "Shipped"));
    installed.prompts.answers = {"Ann"};
    installed.game.enterHighScore(12.5);
    const HighScoreTable users =
        readHighScoreFile(data + "/vantor/scores/Theme1/HighScores.ini").value_or(StoredHighScores{}).table;
    EXPECT_EQ(namesAndTimes(users, 3), (std::vector<std::string>{"Ann 12.5", "Shipped 50", "Nobody 100"}));
    EXPECT_EQ(readBytes(shipped + "/Theme1/HighScores.ini"), shippedBytes);

    installed.prompts.chosenTheme = "Mine";
    installed.game.chooseTheme();
    EXPECT_EQ(installed.prompts.chooserLists, (std::vector<std::vector<std::string>>{{"Mine", "Theme1", "Workshop"}}));
    EXPECT_EQ(installed.prompts.chooserStarts, std::vector<std::string>{"Theme1"});
    EXPECT_EQ(std::pair(installed.caption, installed.game.state().lastObject),
              std::pair(std::string("Vantor - Mine"), 0));
}

TEST(GameCommandLine, StartsOnANamedThemeOrFolderKeepsNoScoresOnAskAndEndsEarlyForHelpVersionAndMistakes)
{
    struct Case {
        QStringList arguments;
        std::string theme, folder;
        int status;  // -1: the game runs
        bool toStandardError;
        bool noScores = false;
        std::string added = {};
        bool replace = false;
    };
    const Case cases[] = {
        {{}, "Theme1", "", -1, false},
        {{"--theme", "Workshop"}, "Workshop", "", -1, false},
        {{"--theme-folder", "/tmp/My theme"}, "Theme1", "/tmp/My theme", -1, false},
        {{"--theme-folder", "/tmp/t", "--no-scores"}, "Theme1", "/tmp/t", -1, false, true},
        {{"--help"}, "", "", 0, false},
        {{"-v"}, "", "", 0, false},
        {{"--bogus"}, "", "", 2, true},
        {{"-platform", "xcb"}, "", "", 2, true},
        {{"--theme"}, "", "", 2, true},
        {{"stray"}, "", "", 2, true},
        {{"--theme", "A", "--theme-folder", "B"}, "", "", 2, true},
        {{"--add-theme", "/tmp/Lake.zip"}, "Theme1", "", -1, false, false, "/tmp/Lake.zip", false},
        {{"--add-theme", "Lake", "--replace"}, "Theme1", "", -1, false, false, "Lake", true},
        {{"--replace"}, "", "", 2, true},
        {{"--add-theme", "Lake", "--theme", "A"}, "", "", 2, true},
    };
    for (const Case& c : cases) {
        const auto read = readGameCommandLine(QStringList{"vantor"} + c.arguments, "1.2.3");
        const auto* start = std::get_if<GameStart>(&read);
        const auto* exit = std::get_if<CommandLineExit>(&read);
        const std::string shown = c.arguments.join(' ').toStdString();
        if (c.status < 0) {
            ASSERT_TRUE(start) << shown;
            EXPECT_EQ(
                std::tie(start->theme, start->themeFolder, start->noScores, start->themeToAdd, start->replaceTheme),
                std::tie(c.theme, c.folder, c.noScores, c.added, c.replace))
                << shown;
            continue;
        }
        ASSERT_TRUE(exit) << shown;
        EXPECT_EQ(std::pair(exit->status, exit->toStandardError), std::pair(c.status, c.toStandardError)) << shown;
        // Help and every mistake show the usage; the version names the program.
        const std::string expectedText = shown == "-v" ? "vantor 1.2.3\n" : "Usage: vantor [options]";
        EXPECT_NE(exit->text.find(expectedText), std::string::npos) << shown << ": " << exit->text;
    }
}
