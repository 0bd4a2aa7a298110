// The real game's --add-theme, without a window and without a display: a theme shared as an archive is added to
// the user's themes of an installed game, a crafted one is refused, and a name there already is replaced only
// with --replace. Each run gets a home of its own.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "crafted_archive.h"
#include "file_system.h"
#include "test_files.h"
#include "theme_archive.h"
#include "theme_builder.h"

namespace {

struct Ended {
    int status;
    std::string errors;
};

class AddThemeCommand : public ::testing::Test {
protected:
    AddThemeCommand()
    {
        // A program folder without Theme1 is an installed game: it adds to the user's theme folder.
        EXPECT_FALSE(makeFolders(m_root.file("prefix/games")));
        EXPECT_TRUE(QFile::copy(QStringLiteral(VANTOR_EXECUTABLE), QString::fromStdString(game())));
        writeTheme(m_root.path(), "Lake", makeRowTheme(2));
        EXPECT_FALSE(
            writeThemeArchive(archive(), "Lake", m_root.file("Lake"),
                              {"Theme.ini", "Theme2.ini", "ThemeDetails.ini", "ss0.bmp", "sm0.bmp", "cs0.bmp",
                               "cm0.bmp", "ss1.bmp", "sm1.bmp", "cs1.bmp", "cm1.bmp", "bg.bmp", "pS.bmp", "pM.bmp"}));
    }

    std::string game() const { return m_root.file("prefix/games/vantor"); }
    std::string archive() const { return m_root.file("Lake.zip"); }
    std::string userThemes() const { return m_root.file("data/vantor/themes"); }

    Ended run(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment;
        environment.insert("HOME", QString::fromStdString(m_root.file("home")));
        environment.insert("XDG_DATA_HOME", QString::fromStdString(m_root.file("data")));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(m_root.file("config")));
        environment.insert("XDG_DATA_DIRS", QString::fromStdString(m_root.file("system")));
        environment.insert("PATH", qEnvironmentVariable("PATH"));
        process.setProcessEnvironment(environment);
        process.start(QString::fromStdString(game()), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), process.readAllStandardError().toStdString()};
    }

    ScratchFolder m_root;
};

}  // namespace

TEST_F(AddThemeCommand, AddsASharedThemeRefusesACraftedOneAndReplacesOnlyWhenTold)
{
    const QString shared = QString::fromStdString(archive());
    EXPECT_EQ(run({"--add-theme", shared}).status, 0);
    EXPECT_TRUE(isFile(userThemes() + "/Lake/Theme.ini"));

    const Ended again = run({"--add-theme", shared});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.errors.find("A theme named \"Lake\" is there already"), std::string::npos) << again.errors;
    writeBytes(userThemes() + "/Lake/HighScores.ini", "\"Ann\"\r\n");
    EXPECT_EQ(run({"--add-theme", shared, "--replace"}).status, 0);
    EXPECT_TRUE(isFile(userThemes() + "/Lake/HighScores.ini"));  // the same theme keeps its scores

    writeBytes(m_root.file("crafted.zip"), craftArchive({{"Evil/", ""}, {"Evil/../../../escaped", "x"}}));
    const Ended crafted = run({"--add-theme", QString::fromStdString(m_root.file("crafted.zip"))});
    EXPECT_EQ(crafted.status, 1);
    EXPECT_NE(crafted.errors.find("leads out of the theme's folder"), std::string::npos) << crafted.errors;
    EXPECT_EQ(folderEntries(userThemes(), EntryKind::Folders, true), std::vector<std::string>{"Lake"});
    EXPECT_FALSE(isFile(m_root.file("escaped")));
}
