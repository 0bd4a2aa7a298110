#include <QDir>

#include <map>
#include <set>

#include "editor_fixture.h"
#include "file_lookup.h"
#include "file_size_limit.h"
#include "save_theme.h"
#include "test_files.h"
#include "theme_description_rules.h"
#include "theme_reader.h"
#include "workspace_loading.h"

namespace {

Workspace workspaceOf(const ThemePackage& package)
{
    Workspace ws;
    applyThemePackage(ws, package);
    return ws;
}

QStringList filesOf(const std::string& folder)
{
    return QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// What was saved is what the game's reader loads: every object, the box and the background.
void expectReadBack(const std::string& programFolder, const Workspace& saved, const ThemeDescription& description)
{
    const ThemeReadResult read = readThemePackage(programFolder, description.name);
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(packageFields(read.value()), packageFields(packageOf(saved, description)));
}

}  // namespace

TEST(SaveTheme, WritesEveryFileAndTheDetailsAndLeavesHigherObjectsOfAnEarlierSave)
{
    ScratchFolder program;
    const ThemeDescription description{"One", "Line one\r\nline two", "On the 7.12.2026"};
    ASSERT_TRUE(saveTheme(program.path(), workspaceOf(makeRowTheme(1)), description).empty());
    expectReadBack(program.path(), workspaceOf(makeRowTheme(1)), description);
    const std::string one = program.file("One");
    EXPECT_EQ(filesOf(one).join(' '),
              "bg.bmp cm0.bmp cs0.bmp pM.bmp pS.bmp sm0.bmp ss0.bmp Theme.ini Theme2.ini ThemeDetails.ini");
    EXPECT_EQ(readBytes(one + "/ThemeDetails.ini"), "\"Line one\r\nline two\"\r\n\"On the 7.12.2026\"\r\n");

    for (const int count : {5, 3})
        ASSERT_TRUE(saveTheme(program.path(), workspaceOf(makeRowTheme(count)), {"Five", "d", "On"}).empty());
    EXPECT_TRUE(filesOf(program.file("Five")).contains("ss4.bmp"));
    expectReadBack(program.path(), workspaceOf(makeRowTheme(3)), {"Five", "d", "On"});
}

TEST(SaveTheme, ASaveCutShortAnywhereLeavesEveryFileWholeOldOrNew)
{
    ScratchFolder program;
    const Workspace newer = workspaceOf(makeRowTheme(1, 12, 210, 130));
    ASSERT_TRUE(saveTheme(program.path(), newer, {"New", "d", "On"}).empty());
    ASSERT_TRUE(saveTheme(program.path(), workspaceOf(makeRowTheme(1)), {"Cut", "d", "On"}).empty());
    const auto contents = [&](const std::string& theme) {
        std::map<QString, std::string> files;
        for (const QString& name : filesOf(program.file(theme)))
            files[name] = readBytes(program.file(theme) + "/" + name.toStdString());
        return files;
    };
    const auto newFiles = contents("New"), oldFiles = contents("Cut");
    std::set<rlim_t> cuts{0};
    for (const auto& [name, bytes] : newFiles)
        cuts.insert({bytes.size() / 2, bytes.size() - 1, bytes.size()});
    for (const rlim_t cut : cuts) {
        std::vector<std::string> failures;
        {
            FileSizeLimit limit(cut);
            failures = saveTheme(program.path(), newer, {"Cut", "d", "On"});
        }
        const auto now = contents("Cut");
        ASSERT_EQ(now.size(), oldFiles.size()) << cut;  // nothing half-written left beside them
        for (const auto& [name, bytes] : now)
            EXPECT_TRUE(bytes == oldFiles.at(name) || bytes == newFiles.at(name)) << name.toStdString() << " " << cut;
        EXPECT_EQ(failures.empty(), cut == *cuts.rbegin()) << cut;
    }
    expectReadBack(program.path(), newer, {"Cut", "d", "On"});
}

TEST(SaveTheme, RefusesNamesThatAreNoFolderAndTextsWithQuotes)
{
    std::string longerThanAFolderName;  // 128 characters, 256 bytes
    for (int i = 0; i < 128; ++i)
        longerThanAFolderName += "é";
    for (const std::string& name : std::initializer_list<std::string>{
             "", ".", "..", "x.", "x ", "../x", "a/b", "a\\b", "a:b", "a*", "a?", "a|b", "<a>", "a\"b", "tab\there",
             "line\nbreak", "del\x7f", longerThanAFolderName})
        EXPECT_TRUE(themeDescriptionProblem({name, "d", "On the 1"})) << name;
    for (const std::string& name : std::initializer_list<std::string>{"My theme", "Theme 2", "a.b", " leading", "a=b",
                                                                      "Früh", std::string(255, 'x')})
        EXPECT_FALSE(themeDescriptionProblem({name, "d\r\ne", "On the 1"})) << name;
    EXPECT_TRUE(themeDescriptionProblem({"ok", "say \"hi\"", "On the 1"}));
    EXPECT_TRUE(themeDescriptionProblem({"ok", "d", "On the \"1\""}));
}

using SaveFromEditor = EditorFixture;

TEST_F(SaveFromEditor, CancelAnEmptyDateOrARefusedNameWriteNothingAndFailedFilesAreNamed)
{
    startUpOnTheme1(framedRowTheme(3));
    const QStringList before = filesOf(programFolder());
    prompts.descriptions = {std::nullopt, ThemeDescription{"Kept", "d", ""}, ThemeDescription{"../Out", "d", "On"}};
    for (int i = 0; i < 3; ++i)
        editor.saveTheme();
    EXPECT_EQ(filesOf(programFolder()), before);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(std::tie(prompts.messages[0].title, prompts.messages[0].text), std::tuple("", "Save aborted"));
    EXPECT_EQ(std::tie(prompts.messages[1].text, prompts.messages[2].title),
              std::tuple("Save aborted", "Theme not saved"));

    // Folders in the way of 13 files: no permission is needed for that to fail, not even as root. The message
    // names ten, each with the system's reason, and counts the others.
    std::vector<std::string> blocked = {"Theme2.ini"};
    for (const char* prefix : {"ss", "sm", "cs", "cm"})
        for (int i = 0; i < 3; ++i)
            blocked.push_back(prefix + std::to_string(i) + ".bmp");
    for (const std::string& name : blocked)
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(programFolder() + "/Blocked/" + name)));
    prompts.descriptions = {ThemeDescription{"Blocked", "d", "On the 1"}};
    prompts.questionAnswers = {Answer::Yes};  // a folder of that name is there
    editor.saveTheme();
    ASSERT_EQ(prompts.messages.size(), 4u);
    const std::string& text = prompts.messages[3].text;
    EXPECT_TRUE(text.find("sm2.bmp\": Is a directory\r\nand 3 more.") != std::string::npos) << text;
    EXPECT_EQ(text.find("cs2.bmp"), std::string::npos);
    EXPECT_TRUE(fileExists(programFolder() + "/Blocked/Theme.ini"));
}

TEST_F(SaveFromEditor, ASavedThemeLoadsBackIdentical)
{
    startUpOnTheme1();
    editor.newObject();
    editor.toggleShowBox();  // a hidden box is saved all the same
    prompts.descriptions = {ThemeDescription{"Copy", "d", "On the 1"}};
    editor.saveTheme();
    ASSERT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ws().themeDescription.value_or(ThemeDescription{}).name, "Copy");
    Editor reloaded(programFolder(), {prompts, pump, view, game});
    ASSERT_TRUE(reloaded.loadTheme("Copy"));
    EXPECT_EQ(packageFields(packageOf(reloaded.workspace(), {})), packageFields(packageOf(ws(), {})));
}
