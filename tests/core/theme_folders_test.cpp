#include <gtest/gtest.h>

#include <QDir>

#include "test_files.h"
#include "theme_folders.h"

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
