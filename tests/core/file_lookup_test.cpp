#include <gtest/gtest.h>

#include <QDir>

#include "atomic_file.h"
#include "file_lookup.h"
#include "test_files.h"

TEST(FileExist, TrueOnlyForAFile)
{
    ScratchFolder folder;
    writeBytes(folder.file("empty.ini"), "");
    EXPECT_TRUE(FileExist(folder.file("empty.ini")));
    for (const std::string& path : {folder.file("missing.ini"), folder.path(), std::string()})
        EXPECT_FALSE(FileExist(path)) << path;
}

TEST(FindInFolder, PrefersTheExactNameThenIgnoresLetterCase)
{
    ScratchFolder folder;
    writeBytes(folder.file("PS.BMP"), "x");
    EXPECT_EQ(findInFolder(folder.path(), "pS.bmp"), folder.file("PS.BMP"));
    EXPECT_EQ(findInFolder(folder.path(), "bg.bmp"), folder.file("bg.bmp"));
    EXPECT_EQ(findInFolder("/nonexistent/folder", "Theme.ini"), "/nonexistent/folder/Theme.ini");
    writeBytes(folder.file("pS.bmp"), "x");
    EXPECT_EQ(findInFolder(folder.path(), "pS.bmp"), folder.file("pS.bmp"));
}

TEST(JoinPath, AddsOneSeparator)
{
    EXPECT_EQ(joinPath("/themes", "Theme1"), "/themes/Theme1");
    EXPECT_EQ(joinPath("/themes/", "Theme1"), "/themes/Theme1");
    EXPECT_EQ(joinPath("", "Theme1"), "Theme1");
}

TEST(AtomicFile, ReplacesTheWholeFileLeavingNoTemporaryFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("Theme.ini");
    writeBytes(path, "a much longer old content\r\n");
    EXPECT_FALSE(writeFileAtomically(path, "1\r\n"));
    EXPECT_EQ(readBytes(path), "1\r\n");
    EXPECT_EQ(QDir(QString::fromStdString(folder.path())).entryList(QDir::Files).size(), 1);
}
