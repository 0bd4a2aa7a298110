#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "atomic_file.h"
#include "file_lookup.h"
#include "test_files.h"

TEST(FileExist, TrueOnlyForAReadableFile)
{
    ScratchFolder folder;
    writeBytes(folder.file("empty.ini"), "");
    EXPECT_TRUE(FileExist(folder.file("empty.ini")));
    EXPECT_FALSE(FileExist(folder.file("missing.ini")));
    EXPECT_FALSE(FileExist(folder.path()));
    EXPECT_FALSE(FileExist(""));
}

TEST(FileExist, FalseForAFileThatCannotBeRead)
{
    ScratchFolder folder;
    const QString path = QString::fromStdString(folder.file("Theme.ini"));
    writeBytes(folder.file("Theme.ini"), "1\r\n");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (QFile(path).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads files whatever their permissions";
    EXPECT_FALSE(FileExist(folder.file("Theme.ini")));
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
