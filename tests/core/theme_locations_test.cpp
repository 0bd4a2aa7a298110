#include <gtest/gtest.h>

#include <QDir>

#include "test_files.h"
#include "theme_locations.h"

namespace {

// An installed tree moved to a scratch folder: the program in prefix/games, shipped themes in
// prefix/share/vantor/themes, the user's data in data/, another data folder in system/.
class InstalledTree : public ::testing::Test {
protected:
    InstalledTree()
    {
        for (const char* folder :
             {"prefix/games", "prefix/share/vantor/themes/Theme1", "prefix/share/vantor/themes/Workshop",
              "data/vantor/themes/Mine", "data/vantor/themes/Workshop", "system/vantor/themes/Theme1",
              "system/vantor/themes/Extra", "portable/Theme1", "elsewhere/Solo"})
            EXPECT_TRUE(QDir().mkpath(QString::fromStdString(path(folder))));
    }
    std::string path(const std::string& below) const { return m_root.file(below); }
    ThemeEnvironment installed() const { return {path("prefix/games"), path("home"), path("data"), path("system")}; }

    ScratchFolder m_root;
};

}  // namespace

TEST_F(InstalledTree, TheLayoutAndTheOrderOfThemeFoldersFollowTheEnvironment)
{
    const std::string shipped = path("prefix/share/vantor/themes");
    const std::pair<ThemeEnvironment, std::vector<std::string>> cases[] = {
        // A program folder holding Theme1 is portable, whatever the environment says.
        {{path("portable"), path("home"), path("data"), path("system")}, {path("portable")}},
        {installed(), {path("data/vantor/themes"), shipped, path("system/vantor/themes")}},
        // Unset variables take the XDG defaults.
        {{path("prefix/games"), path("home"), "", ""},
         {path("home/.local/share/vantor/themes"), shipped, "/usr/local/share/vantor/themes",
          "/usr/share/vantor/themes"}},
        // Relative entries are ignored, a folder listed twice is searched once, trailing separators do not count.
        {{path("prefix/games/"), path("home"), "data", "relative::" + path("system") + "/:" + path("prefix/share")},
         {path("home/.local/share/vantor/themes"), shipped, path("system/vantor/themes")}},
    };
    for (const auto& [environment, roots] : cases) {
        const ThemeLocations locations(environment);
        EXPECT_EQ(locations.themeRoots(), roots) << environment.programFolder << " " << environment.dataDirs;
        EXPECT_EQ(locations.isPortable(), roots.size() == 1);
    }
}

TEST_F(InstalledTree, ThemesMergeByNameTheFirstFoundWinningAndOnlyTheUsersOwnKeepTheirScoresBesideThem)
{
    ThemeLocations locations(installed());
    const std::string soloName = locations.addNamedFolder(path("elsewhere/Solo"));
    const std::string shippedName = locations.addNamedFolder(path("prefix/share/vantor/themes/Workshop"));

    const std::string data = path("data/vantor");
    const std::string shipped = path("prefix/share/vantor/themes");
    struct Case {
        std::string name, folder;
        ThemeOrigin origin;
        std::string scores, startingScores;
    };
    const Case expected[] = {
        {"Extra", path("system/vantor/themes/Extra"), ThemeOrigin::SystemData, data + "/scores/Extra/HighScores.ini",
         path("system/vantor/themes/Extra/HighScores.ini")},
        {"Mine", data + "/themes/Mine", ThemeOrigin::UserFolder, data + "/themes/Mine/HighScores.ini", ""},
        {"Solo", path("elsewhere/Solo"), ThemeOrigin::Named, path("elsewhere/Solo/HighScores.ini"), ""},
        {"Theme1", shipped + "/Theme1", ThemeOrigin::Shipped, data + "/scores/Theme1/HighScores.ini",
         shipped + "/Theme1/HighScores.ini"},
        // Named on the command line, it comes first; lying among the shipped themes, it is kept as one of them.
        {"Workshop", shipped + "/Workshop", ThemeOrigin::Shipped, data + "/scores/Workshop/HighScores.ini",
         shipped + "/Workshop/HighScores.ini"},
    };
    const std::vector<ThemeEntry> listed = locations.listThemes();
    ASSERT_EQ(listed.size(), std::size(expected));
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const Case& want = expected[i];
        EXPECT_EQ(std::tie(listed[i].name, listed[i].folder, listed[i].origin),
                  std::tie(want.name, want.folder, want.origin));
        const ScoreFilePlace scores = locations.scoreFile(want.name);
        EXPECT_EQ(std::tie(scores.path, scores.startingPath), std::tie(want.scores, want.startingScores)) << want.name;
    }
    EXPECT_EQ(std::pair(soloName, shippedName), std::pair(std::string("Solo"), std::string("Workshop")));

    // Names that are no single folder name find nothing; a new theme goes into the user's folder.
    for (const std::string name : {"../Theme1", "..", "", "Nope"})
        EXPECT_FALSE(locations.findTheme(name)) << name;
    EXPECT_EQ(std::pair(locations.themeFolder("New"), locations.userThemeFolder()),
              std::pair(data + "/themes/New", data + "/themes"));
}

TEST_F(InstalledTree, APortableProgramKeepsEverythingInItsFolderUnderTheNamesItAlwaysUsed)
{
    const ThemeLocations locations = ThemeLocations::portable(path("portable"));
    ASSERT_TRUE(locations.findTheme("Theme1"));
    EXPECT_EQ(
        std::tuple(locations.findTheme("Theme1")->folder, locations.userThemeFolder(), locations.themeFolder("New"),
                   locations.scoreFile("Theme1").path, locations.scoreFile("Theme1").startingPath),
        std::tuple(path("portable/Theme1"), path("portable"), path("portable/New"),
                   path("portable/Theme1/HighScores.ini"), std::string()));
    EXPECT_TRUE(locations.listsOnlyProgramFolder());
}
