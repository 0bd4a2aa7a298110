#include <gtest/gtest.h>

#include <QDir>

#include "file_lookup.h"
#include "test_files.h"
#include "theme_folders.h"

TEST(FileLookup, ExactNameFirstThenAnyLetterCaseAndOneSeparatorBetween)
{
    ScratchFolder folder;
    writeBytes(folder.file("PS.BMP"), "");
    EXPECT_TRUE(fileExists(folder.file("PS.BMP")));
    for (const std::string& path : {folder.file("missing.ini"), folder.path(), std::string()})
        EXPECT_FALSE(fileExists(path)) << path;
    EXPECT_EQ(findInFolder(folder.path(), "pS.bmp"), folder.file("PS.BMP"));
    EXPECT_EQ(findInFolder(folder.path(), "bg.bmp"), folder.file("bg.bmp"));
    EXPECT_EQ(findInFolder("/nonexistent/folder", "Theme.ini"), "/nonexistent/folder/Theme.ini");
    writeBytes(folder.file("pS.bmp"), "x");
    EXPECT_EQ(findInFolder(folder.path(), "pS.bmp"), folder.file("pS.bmp"));
    EXPECT_EQ(std::tuple(joinPath("/themes", "Theme1"), joinPath("/themes/", "Theme1"), joinPath("", "Theme1")),
              std::tuple("/themes/Theme1", "/themes/Theme1", "Theme1"));
}

TEST(ThemeFolders, EveryVisibleSubfolderInNaturalOrderIgnoringCase)
{
    ScratchFolder program;
    EXPECT_TRUE(listThemeFolders(program.path()).empty());
    EXPECT_TRUE(listThemeFolders(program.file("missing")).empty());
    for (const char* name : {"Theme10", "theme2", "Theme1", ".hidden", "Old themes 1.5", "alpha", "Zoo"})
        ASSERT_TRUE(QDir().mkdir(QString::fromStdString(program.file(name))));
    writeBytes(program.file("notes.txt"), "");
    EXPECT_EQ(listThemeFolders(program.path()),
              (std::vector<std::string>{"alpha", "Old themes 1.5", "Theme1", "theme2", "Theme10", "Zoo"}));
}
