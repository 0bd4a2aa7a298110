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

namespace {

// One 3 x 2 object at negative positions, a 4 x 4 box and a 6 x 5 background.
Workspace craftedWorkspace()
{
    Workspace ws;
    ws.objects[0] = {Surface(3, 2, rgb(200, 0, 0)), Surface(3, 2, kBlack), Surface(17, 6, rgb(0, 255, 255)),
                     Surface(17, 6, kBlack)};
    ws.ObjX[0] = -3;
    ws.ObjY[0] = 7;
    ws.ContX[0] = -8;
    ws.ContY[0] = -12;
    ws.BoxX = -1;
    ws.BoxY = 2;
    ws.PicPlainS = Surface(4, 4, rgb(120, 60, 0));
    ws.picPlainM = Surface(4, 4, kBlack);
    ws.background = Surface(6, 5, rgb(10, 20, 30));
    return ws;
}

QStringList filesOf(const std::string& folder)
{
    QStringList names = QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

}  // namespace

TEST(SaveTheme, WritesTheFilesRecordForRecordAndLeavesHigherObjectsOfAnEarlierSave)
{
    ScratchFolder program;
    const ThemeDescription description{"One", "Line one\r\nline two", "On the 7.12.2026"};
    ASSERT_TRUE(saveTheme(program.path(), craftedWorkspace(), description).empty());
    const std::string one = program.file("One");
    EXPECT_EQ(filesOf(one).join(' '),
              "Theme.ini Theme2.ini ThemeDetails.ini bg.bmp cm0.bmp cs0.bmp pM.bmp pS.bmp "
              "sm0.bmp ss0.bmp");
    EXPECT_EQ(readBytes(one + "/Theme.ini"), "-3\r\n7\r\n-8\r\n-12\r\n");
    EXPECT_EQ(readBytes(one + "/Theme2.ini"), "-1\r\n2\r\n");
    EXPECT_EQ(readBytes(one + "/ThemeDetails.ini"), "\"Line one\r\nline two\"\r\n\"On the 7.12.2026\"\r\n");
    const std::string bitmap = readBytes(one + "/ss0.bmp");
    ASSERT_GT(bitmap.size(), 30u);
    EXPECT_EQ(bitmap.substr(0, 2) + std::to_string(bitmap[28]), "BM24");  // 24 bits, whatever it was loaded from

    Workspace ws = craftedWorkspace();
    for (const int count : {5, 3}) {
        ws.objects.resize(static_cast<std::size_t>(count), ws.objects[0]);
        ASSERT_TRUE(saveTheme(program.path(), ws, {"Five", "d", "On"}).empty());
    }
    EXPECT_TRUE(filesOf(program.file("Five")).contains("ss4.bmp"));
    EXPECT_EQ(QByteArray::fromStdString(readBytes(program.file("Five") + "/Theme.ini")).count("\r\n"), 12);
    const ThemeReadResult read = readThemePackage(program.path(), "Five");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().objects.size(), 3u);
}

TEST(SaveTheme, ASaveCutShortAnywhereLeavesEveryFileWholeOldOrNew)
{
    ScratchFolder program;
    Workspace newer = craftedWorkspace();
    newer.ObjX[0] = 1234;
    newer.objects[0].imgSprS = Surface(5, 4, rgb(0, 200, 0));
    newer.background = Surface(9, 7, rgb(1, 2, 3));
    ASSERT_TRUE(saveTheme(program.path(), newer, {"New", "d", "On"}).empty());
    ASSERT_TRUE(saveTheme(program.path(), craftedWorkspace(), {"Cut", "d", "On"}).empty());
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
}

TEST(SaveTheme, RefusesNamesThatAreNoFolderAndTextsWithQuotes)
{
    for (const char* name : {"", ".", "..", "x.", "x ", "../x", "a/b", "a\\b", "a:b", "a*", "a?", "a|b", "<a>", "a\"b",
                             "tab\there", "line\nbreak", "del\x7f"})
        EXPECT_TRUE(themeDescriptionProblem({name, "d", "On the 1"})) << name;
    for (const char* name : {"My theme", "Theme 2", "a.b", " leading", "Früh"})
        EXPECT_FALSE(themeDescriptionProblem({name, "d\r\ne", "On the 1"})) << name;
    EXPECT_TRUE(themeDescriptionProblem({"ok", "say \"hi\"", "On the 1"}));
    EXPECT_TRUE(themeDescriptionProblem({"ok", "d", "On the \"1\""}));
}

using SaveFromEditor = EditorFixture;

TEST_F(SaveFromEditor, CancelAnEmptyDateOrARefusedNameWriteNothingAndFailedFilesAreNamed)
{
    startUpOnTheme1(2);
    const QStringList before = filesOf(programFolder());
    prompts.descriptions = {std::nullopt, ThemeDescription{"Kept", "d", ""}, ThemeDescription{"../Out", "d", "On"}};
    for (int i = 0; i < 3; ++i)
        editor.mnuSave_Theme_Click();
    EXPECT_EQ(filesOf(programFolder()), before);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(std::tie(prompts.messages[0].title, prompts.messages[0].text), std::tuple("", "Save aborted"));
    EXPECT_EQ(prompts.messages[1].text, "Save aborted");
    EXPECT_EQ(prompts.messages[2].title, "Theme not saved");

    // Folders in the way of two of the files: no permission is needed for that to fail, not even as root.
    for (const char* blocked : {"/Blocked/ss1.bmp", "/Blocked/Theme2.ini"})
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(programFolder() + blocked)));
    prompts.descriptions = {ThemeDescription{"Blocked", "d", "On the 1"}};
    editor.mnuSave_Theme_Click();
    ASSERT_EQ(prompts.messages.size(), 4u);
    const std::string& text = prompts.messages[3].text;
    EXPECT_TRUE(text.find("ss1.bmp") != std::string::npos && text.find("Theme2.ini") != std::string::npos);
    EXPECT_EQ(text.find("ss0.bmp"), std::string::npos);
    EXPECT_TRUE(FileExist(programFolder() + "/Blocked/Theme.ini"));
}

TEST_F(SaveFromEditor, ASavedThemeLoadsBackIdentical)
{
    startUpOnTheme1(3);
    editor.mnuNew_Object_Click();
    editor.mnuShowBox_Click();  // a hidden box is saved all the same
    prompts.descriptions = {ThemeDescription{"Copy", "d", "On the 1"}};
    editor.mnuSave_Theme_Click();
    ASSERT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ws().ThemeName, "Copy");

    Editor reloaded(programFolder(), {prompts, pump, view});
    ASSERT_TRUE(reloaded.LoadTheme("Copy"));
    const Workspace& copy = reloaded.workspace();
    ASSERT_EQ(copy.objectCount(), 4);
    EXPECT_TRUE(copy.ObjX == ws().ObjX && copy.ObjY == ws().ObjY && copy.ContX == ws().ContX &&
                copy.ContY == ws().ContY);
    for (std::size_t i = 0; i < 4; ++i) {
        const ObjectPictures& a = copy.objects[i];
        const ObjectPictures& b = ws().objects[i];
        EXPECT_TRUE(a.imgSprS == b.imgSprS && a.imgSprM == b.imgSprM && a.ImgContS == b.ImgContS &&
                    a.imgContM == b.imgContM)
            << i;
    }
    EXPECT_TRUE(copy.BoxX == ws().BoxX && copy.BoxY == ws().BoxY && copy.PicPlainS == ws().PicPlainS &&
                copy.picPlainM == ws().picPlainM && copy.background == ws().background);
}
