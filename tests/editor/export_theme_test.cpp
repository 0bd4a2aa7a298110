#include <algorithm>

#include "editor_fixture.h"
#include "file_system.h"
#include "test_files.h"
#include "theme_archive.h"

using ExportTheme = EditorFixture;

// Export Theme writes the theme as it was loaded or saved, suggests its name for the archive, and says what
// stopped it: a workspace never saved, or a place the archive cannot be written.
TEST_F(ExportTheme, WritesTheThemeLastLoadedOrSavedAndTellsWhatStopsIt)
{
    startUpOnTheme1();
    writeBytes(programFolder() + "/Theme1/HighScores.ini", "\"Ann\"\r\n");
    ScratchFolder out;
    prompts.pickedFiles = {out.file("shared.zip"), std::nullopt, out.file("no such folder/shared.zip")};
    editor.exportTheme();
    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_TRUE(prompts.fileRequests[0].kind == FileDialogKind::Save);
    EXPECT_EQ(prompts.fileRequests[0].suggestedName, "Theme1.zip");
    ScratchFolder unpacked;
    const Result<std::string> name = unpackThemeArchive(out.file("shared.zip"), unpacked.path());
    ASSERT_TRUE(name) << name.error();
    EXPECT_EQ(name.value(), "Theme1");
    auto saved = filesWithBytes(programFolder() + "/Theme1");
    saved.erase(
        std::remove_if(saved.begin(), saved.end(), [](const auto& file) { return file.first == "HighScores.ini"; }),
        saved.end());
    EXPECT_EQ(filesWithBytes(unpacked.path()), saved);
    EXPECT_TRUE(prompts.messages.empty());

    editor.exportTheme();  // the dialog cancelled
    EXPECT_TRUE(prompts.messages.empty());
    editor.exportTheme();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.rfind("The theme was not exported:\r\n", 0), 0u) << prompts.messages[0].text;

    // An editor that started on its own starter object, with no theme to load, has nothing saved to export.
    ScratchFolder empty;
    ScriptedPrompts freshPrompts;
    ScriptedPump freshPump;
    RecordingEditorView freshView;
    RecordingGameLauncher freshGame;
    Editor fresh(empty.path(), {freshPrompts, freshPump, freshView, freshGame});
    fresh.start();
    freshPrompts.messages.clear();
    fresh.exportTheme();
    EXPECT_TRUE(freshPrompts.fileRequests.empty());
    ASSERT_EQ(freshPrompts.messages.size(), 1u);
    EXPECT_EQ(freshPrompts.messages[0].text, "Save the theme first: a theme is exported as it was saved.");
}
