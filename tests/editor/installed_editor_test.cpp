#include <QDir>

#include "editor_command_line.h"
#include "editor_fixture.h"
#include "test_files.h"

TEST(InstalledEditor, SavesIntoTheUsersThemeFolderWhereTheSavedThemeHidesTheShippedOneItNeverChanges)
{
    ScratchFolder root;
    const std::string shipped = root.file("share/vantor/themes");
    const std::string users = root.file("data/vantor/themes");
    writeTheme(shipped, "Theme1", framedRowTheme(3));
    writeTheme(shipped, "Workshop", framedRowTheme(2));
    const std::string shippedBytes = readBytes(shipped + "/Theme1/Theme.ini");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root.file("games"))));

    ScriptedPrompts prompts;
    ScriptedPump pump;
    RecordingEditorView view;
    RecordingGameLauncher game;
    Editor editor(ThemeLocations({root.file("games"), root.file("home"), root.file("data"), "/nonexistent"}),
                  {prompts, pump, view, game});
    editor.start();
    ASSERT_EQ(editor.workspace().objectCount(), 3);
    editor.newTheme();  // one object left
    prompts.descriptions = {ThemeDescription{"Theme1", "Mine now", "On the 7th"},
                            ThemeDescription{"Fresh", "New", "On the 8th"}};
    prompts.questionAnswers = {Answer::Yes};
    editor.saveTheme();
    editor.saveTheme();
    EXPECT_TRUE(prompts.messages.empty());
    // The shipped theme is hidden, never replaced, and the question says so.
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].rfind(": A theme named Theme1 already exists. Replace it?\r\nIt was installed", 0),
              0u)
        << prompts.questions[0];
    EXPECT_EQ(readBytes(shipped + "/Theme1/Theme.ini"), shippedBytes);
    EXPECT_EQ(readBytes(users + "/Theme1/ThemeDetails.ini"), "\"Mine now\"\r\n\"On the 7th\"\r\n");

    // The chooser lists the merged names, starting on the theme last saved, and Theme1 is now the user's
    // one-object theme.
    prompts.chosenTheme = "Theme1";
    editor.loadChosenTheme();
    EXPECT_EQ(prompts.chooserLists, (std::vector<std::vector<std::string>>{{"Fresh", "Theme1", "Workshop"}}));
    EXPECT_EQ(prompts.chooserStarts, std::vector<std::string>{"Fresh"});
    EXPECT_EQ(editor.workspace().objectCount(), 1);
}

TEST(EditorCommandLine, OpensTheNamedFolderOrTheFolderOfANamedFileAndEndsEarlyOtherwise)
{
    ScratchFolder root;
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root.file("Mine"))));
    writeBytes(root.file("Mine/Theme.ini"), "");
    struct Case {
        QStringList arguments;
        std::string folder;
        int status;  // -1: the editor runs
    };
    const Case cases[] = {
        {{}, "", -1},
        {{QString::fromStdString(root.file("Mine"))}, root.file("Mine"), -1},
        {{QString::fromStdString(root.file("Mine/Theme.ini"))}, root.file("Mine"), -1},
        {{"--version"}, "", 0},
        {{"-h"}, "", 0},
        {{"--theme", "x"}, "", 2},
        {{"one", "two"}, "", 2},
    };
    for (const Case& c : cases) {
        const auto read = readEditorCommandLine(QStringList{"ornavel"} + c.arguments, "1.2.3");
        const std::string shown = c.arguments.join(' ').toStdString();
        if (c.status < 0) {
            ASSERT_TRUE(std::holds_alternative<EditorStart>(read)) << shown;
            EXPECT_EQ(std::get<EditorStart>(read).themeFolder, c.folder) << shown;
        } else {
            ASSERT_TRUE(std::holds_alternative<CommandLineExit>(read)) << shown;
            const CommandLineExit& exit = std::get<CommandLineExit>(read);
            EXPECT_EQ(std::pair(exit.status, exit.toStandardError), std::pair(c.status, c.status != 0)) << shown;
        }
    }
}
