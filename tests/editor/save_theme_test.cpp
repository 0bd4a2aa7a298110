#include <QDir>
#include <algorithm>

#include "editor_fixture.h"
#include "file_lookup.h"
#include "prompts.h"
#include "save_theme.h"
#include "test_files.h"
#include "theme_description_rules.h"
#include "theme_files.h"
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

const ThemeDescription kDescription{"Crafted", "Line one\r\nline two", "On the 7.12.2026"};

QStringList filesOf(const std::string& folder)
{
    QStringList names = QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

}  // namespace

TEST(SaveTheme, WritesTheFilesRecordForRecord)
{
    ScratchFolder program;
    ASSERT_TRUE(saveTheme(program.path(), craftedWorkspace(), kDescription).empty());
    const std::string folder = program.file("Crafted");
    EXPECT_EQ(filesOf(folder), QStringList({"Theme.ini", "Theme2.ini", "ThemeDetails.ini", "bg.bmp", "cm0.bmp",
                                            "cs0.bmp", "pM.bmp", "pS.bmp", "sm0.bmp", "ss0.bmp"}));
    EXPECT_EQ(readBytes(folder + "/Theme.ini"), "-3\r\n7\r\n-8\r\n-12\r\n");
    EXPECT_EQ(readBytes(folder + "/Theme2.ini"), "-1\r\n2\r\n");
    EXPECT_EQ(readBytes(folder + "/ThemeDetails.ini"), "\"Line one\r\nline two\"\r\n\"On the 7.12.2026\"\r\n");
    const std::string bitmap = readBytes(folder + "/ss0.bmp");
    ASSERT_GT(bitmap.size(), 30u);
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<int>(bitmap[28]), 24);  // bits per pixel, whatever the picture was loaded from
}

TEST(SaveTheme, ASecondSaveWithFewerObjectsLeavesTheHigherFiles)
{
    ScratchFolder program;
    Workspace ws = craftedWorkspace();
    ws.objects.resize(5, ws.objects[0]);
    ASSERT_TRUE(saveTheme(program.path(), ws, kDescription).empty());
    ws.objects.resize(3);
    ws.objects[0].imgSprS = Surface(9, 9, rgb(1, 2, 3));
    ASSERT_TRUE(saveTheme(program.path(), ws, kDescription).empty());
    const std::string folder = program.file("Crafted");
    const std::string positions = readBytes(folder + "/Theme.ini");
    EXPECT_EQ(std::count(positions.begin(), positions.end(), '\n'), 12);
    EXPECT_TRUE(filesOf(folder).contains("ss4.bmp"));
    const ThemeReadResult read = readThemePackage(program.path(), "Crafted");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().objects.size(), 3u);
    EXPECT_EQ(read.value().objects[0].picture, Surface(9, 9, rgb(1, 2, 3)));
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

TEST_F(SaveFromEditor, CancelAnEmptyDateOrARefusedNameWriteNothing)
{
    startUpOnTheme1(2);
    const QStringList before = filesOf(programFolder());
    prompts.descriptions = {std::nullopt, ThemeDescription{"Kept", "d", ""}, ThemeDescription{"../Out", "d", "On"}};
    for (int i = 0; i < 3; ++i)
        editor.mnuSave_Theme_Click();
    EXPECT_EQ(filesOf(programFolder()), before);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[0].title, "");
    EXPECT_EQ(prompts.messages[0].text, "Save aborted");
    EXPECT_EQ(prompts.messages[1].text, "Save aborted");
    EXPECT_EQ(prompts.messages[2].title, "Theme not saved");
}

TEST_F(SaveFromEditor, EveryFileThatCouldNotBeWrittenIsNamedInOneMessage)
{
    startUpOnTheme1(2);
    // Folders in the way of two of the files: no permission is needed for that to fail, not even as root.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(programFolder() + "/Blocked/ss1.bmp")));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(programFolder() + "/Blocked/Theme2.ini")));
    prompts.descriptions = {ThemeDescription{"Blocked", "d", "On the 1"}};
    editor.mnuSave_Theme_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    const std::string& text = prompts.messages[0].text;
    EXPECT_NE(text.find("ss1.bmp"), std::string::npos);
    EXPECT_NE(text.find("Theme2.ini"), std::string::npos);
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
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(copy.ObjX[i], ws().ObjX[i]);
        EXPECT_EQ(copy.ObjY[i], ws().ObjY[i]);
        EXPECT_EQ(copy.ContX[i], ws().ContX[i]);
        EXPECT_EQ(copy.ContY[i], ws().ContY[i]);
        EXPECT_EQ(copy.objects[i].imgSprS, ws().objects[i].imgSprS);
        EXPECT_EQ(copy.objects[i].imgSprM, ws().objects[i].imgSprM);
        EXPECT_EQ(copy.objects[i].ImgContS, ws().objects[i].ImgContS);
        EXPECT_EQ(copy.objects[i].imgContM, ws().objects[i].imgContM);
    }
    EXPECT_EQ(std::pair(copy.BoxX, copy.BoxY), std::pair(ws().BoxX, ws().BoxY));
    EXPECT_EQ(copy.PicPlainS, ws().PicPlainS);
    EXPECT_EQ(copy.picPlainM, ws().picPlainM);
    EXPECT_EQ(copy.background, ws().background);
}
