#include "editor_fixture.h"
#include "file_system.h"
#include "mouse_buttons.h"
#include "picture_file.h"
#include "test_files.h"

namespace {

bool sameDescription(const std::optional<ThemeDescription>& a, const std::optional<ThemeDescription>& b)
{
    return a.has_value() == b.has_value() &&
           (!a || std::tie(a->name, a->description, a->dateLine) == std::tie(b->name, b->description, b->dateLine));
}

// One editor of its own over a program folder, started on its default theme, or on a theme opened.
struct Session {
    explicit Session(const std::string& programFolder, const std::string& opened = {})
        : editor(programFolder, {prompts, pump, view, game})
    {
        if (opened.empty())
            editor.start();
        else
            editor.start(opened);
    }
    ScriptedPrompts prompts;
    ScriptedPump pump;
    RecordingEditorView view;
    RecordingGameLauncher game;
    Editor editor;
};

}  // namespace

using UnsavedWork = EditorFixture;

// Closing the window, Exit, Load theme, New and Export Theme each ask first when there are unsaved changes: Save saves
// and goes on, Discard goes on, Cancel stops the command, and so does a Save that was not saved (cancelled in its
// dialog).
TEST_F(UnsavedWork, EachCommandThatDropsTheWorkspaceAsksToSaveItFirst)
{
    writeTheme(programFolder(), "Theme1", framedRowTheme(3));
    writeTheme(programFolder(), "Other", framedRowTheme(1));
    const std::pair<const char*, std::function<bool(Session&)>> commands[] = {
        {"close", [](Session& s) { return s.editor.mayClose(); }},
        {"Exit",
         [](Session& s) {
             s.editor.quit();
             return s.view.closes == 1;
         }},
        {"Load theme",
         [](Session& s) {
             s.prompts.chosenTheme = "Other";
             s.editor.loadChosenTheme();
             return s.editor.workspace().objectCount() == 1;
         }},
        {"New",
         [](Session& s) {
             s.editor.newTheme();
             return s.editor.workspace().objectCount() == 1;
         }},
        {"Export Theme",
         [](Session& s) {
             const ScratchFolder out;
             s.prompts.pickedFiles = {out.file("theme.zip")};
             s.editor.exportTheme();
             return isFile(out.file("theme.zip"));
         }},
    };
    const struct {
        Answer answer;
        bool described;  // the save's dialog is answered
        bool goesOn, saved;
    } answers[] = {{Answer::Save, true, true, true},
                   {Answer::Save, false, false, false},
                   {Answer::Discard, false, true, false},
                   {Answer::Cancel, false, false, false}};
    int saves = 0;
    for (const auto& [command, run] : commands) {
        for (const auto& [answer, described, goesOn, saved] : answers) {
            const std::string name = "Saved " + std::to_string(++saves);
            SCOPED_TRACE(std::string(command) + ", answer " + std::to_string(int(answer)) + ", " + name);
            Session session(programFolder());
            EXPECT_TRUE(run(session));  // nothing to save: nothing is asked
            EXPECT_TRUE(session.prompts.questions.empty());

            Session edited(programFolder());
            edited.editor.toggleShowBox();
            edited.prompts.questionAnswers = {answer};
            if (described)
                edited.prompts.descriptions = {ThemeDescription{name, "d", "On the 1"}};
            EXPECT_EQ(run(edited), goesOn);
            EXPECT_EQ(edited.prompts.questions, std::vector<std::string>{": Save changes to the theme?"});
            EXPECT_EQ(isFolder(programFolder() + "/" + name), saved);
        }
    }
}

// A save under the name of a theme folder asks first; No returns to the dialog with what was typed. The replaced
// theme keeps its score table while its objects stay the same, and otherwise the table is moved aside.
TEST_F(UnsavedWork, ReplacingAThemeAsksAndKeepsItsScoresOnlyForTheSameObjects)
{
    startUpOnTheme1();
    const ThemeDescription mine{"Mine", "Mine's", "On the 2nd"};
    prompts.descriptions = {mine};
    ASSERT_TRUE(editor.saveTheme());
    EXPECT_TRUE(prompts.questions.empty());
    const std::string folder = programFolder() + "/Mine";
    writeBytes(folder + "/HighScores.ini", "\"Ann\"\r\n\"01/01/2026\"\r\n\"12.5\"\r\n");

    editor.canvasPressed(kLeftButton, ws().objectX[0] + 5, ws().objectY[0] + 5);
    editor.canvasMoved(ws().objectX[0] + 5, ws().objectY[0] + 5, kLeftButton);
    editor.canvasMoved(ws().objectX[0] + 25, ws().objectY[0] - 15, kLeftButton);
    editor.canvasReleased();
    const ThemeDescription typed{"Mine", "Moved", "On the 3rd"};
    prompts.descriptions = {typed, typed};
    prompts.questionAnswers = {Answer::No, Answer::Yes};
    ASSERT_TRUE(editor.saveTheme());
    ASSERT_EQ(prompts.offeredDescriptions.size(), 3u);
    EXPECT_TRUE(sameDescription(prompts.offeredDescriptions[1], mine));
    EXPECT_TRUE(sameDescription(prompts.offeredDescriptions[2], typed));
    EXPECT_EQ(prompts.questions, std::vector<std::string>(2, ": A theme named Mine already exists. Replace it?"));
    EXPECT_EQ(readBytes(folder + "/HighScores.ini").substr(0, 5), "\"Ann\"");  // the same objects, moved

    const std::string scores = readBytes(folder + "/HighScores.ini");
    const std::string figure = programFolder() + "/figure.bmp";
    ASSERT_FALSE(savePictureBmp(Surface(12, 8, kWhite), figure));
    prompts.pictures = {figure};
    editor.changeCurrentObject();
    prompts.descriptions = {typed};
    prompts.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(editor.saveTheme());
    EXPECT_FALSE(isFile(folder + "/HighScores.ini"));
    EXPECT_EQ(readBytes(folder + "/HighScores.ini.old"), scores);
    EXPECT_TRUE(prompts.messages.empty());
}

// About Theme offers the theme's own name, description and date line once the workspace came from a theme loaded,
// opened or saved, and its own initial texts for the default theme at start-up and after New.
TEST_F(UnsavedWork, AboutThemeOffersTheTextsOfTheThemeLoadedOrSaved)
{
    startUpOnTheme1();
    writeTheme(programFolder(), "Other", framedRowTheme(2));
    const ThemeDescription other{"Other", "A crafted theme", "On the 1st"};
    const ThemeDescription saved{"Kept", "Mine", "On the 9th"};
    const std::pair<std::function<void()>, std::optional<ThemeDescription>> cases[] = {
        {[] {}, std::nullopt},
        {[&] { editor.loadTheme("Other"); }, other},
        {[&] {
             prompts.descriptions = {saved};
             editor.saveTheme();
         },
         saved},
        {[&] { editor.newTheme(); }, std::nullopt},
    };
    for (const auto& [make, offered] : cases) {
        make();
        prompts.offeredDescriptions.clear();
        editor.saveTheme();  // cancelled
        ASSERT_EQ(prompts.offeredDescriptions.size(), 1u);
        EXPECT_TRUE(sameDescription(prompts.offeredDescriptions[0], offered))
            << prompts.offeredDescriptions[0].value_or(ThemeDescription{"nothing", "", ""}).name;
    }
    Session opened(programFolder(), "Other");
    opened.editor.saveTheme();
    EXPECT_TRUE(sameDescription(opened.prompts.offeredDescriptions.back(), other));
}
