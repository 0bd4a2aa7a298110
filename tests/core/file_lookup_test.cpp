#include <gtest/gtest.h>

#include <QDir>

#include "file_lookup.h"
#include "file_system.h"
#include "test_files.h"
#include "theme_builder.h"
#include "theme_folders.h"
#include "theme_reader.h"

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

// A name made on another system or in another locale is the file system's bytes, not UTF-8: it is listed, found
// and read all the same.
TEST(FileSystem, NamesThatAreNotUtf8AreListedAndReadByTheirBytes)
{
    ScratchFolder program;
    const std::string latin = "Th\xe8me";
    writeTheme(program.path(), latin, makeRowTheme(2));
    writeBytes(program.file(latin) + "/.hidden", "");
    EXPECT_EQ(listThemeFolders(program.path()), std::vector<std::string>{latin});
    EXPECT_EQ(findInFolder(program.file(latin), "THEME.INI"), program.file(latin) + "/Theme.ini");
    const ThemeReadResult read = readThemePackage(program.path(), latin);
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read.value().objects.size(), 2u);
    EXPECT_EQ(folderEntries(program.file(latin), EntryKind::Files, true).size(), 15u);  // 14 files and .hidden
}

TEST(FileSystem, PathsAreCleanedByTheirTextAndReadsAreBounded)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/a//b/./c/", "/a/b/c"}, {"/a/b/../../..", "/"}, {"a/../../b", "../b"}, {"./", "."}, {"", ""}};
    for (const auto& [path, clean] : cases)
        EXPECT_EQ(cleanPath(path), clean) << path;
    ScratchFolder folder;
    writeBytes(folder.file("five"), "12345");
    EXPECT_EQ(readFileBytes(folder.file("five"), 5).value(), "12345");
    EXPECT_EQ(readFileBytes(folder.file("five"), 4).error(), "the file is too large");
    EXPECT_EQ(readFileBytes(folder.file("none"), 4).error(), "No such file or directory");
    EXPECT_EQ(makeFolders(folder.file("five") + "/below"), std::optional<std::string>("Not a directory"));
    EXPECT_FALSE(makeFolders(folder.file("a/b/c")));
    EXPECT_TRUE(isFolder(folder.file("a/b/c")));
}
