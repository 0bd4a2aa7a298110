#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "theme_folders.h"

TEST(ThemeFolders, EveryVisibleSubfolderInNaturalOrderIgnoringCase)
{
    QTemporaryDir program;
    QDir folder(program.path());
    for (const char* name : {"Theme10", "theme2", "Theme1", ".hidden", "Old themes 1.5", "alpha", "Zoo"})
        ASSERT_TRUE(folder.mkdir(name));
    QFile file(folder.filePath("notes.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));

    EXPECT_EQ(listThemeFolders(program.path().toStdString()),
              (std::vector<std::string>{"alpha", "Old themes 1.5", "Theme1", "theme2", "Theme10", "Zoo"}));
}

TEST(ThemeFolders, NoSubfoldersAndNoFolderGiveAnEmptyList)
{
    QTemporaryDir program;
    EXPECT_TRUE(listThemeFolders(program.path().toStdString()).empty());
    EXPECT_TRUE(listThemeFolders(program.filePath("missing").toStdString()).empty());
}
