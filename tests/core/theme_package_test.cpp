#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "file_lookup.h"
#include "test_themes.h"
#include "theme_files.h"
#include "theme_writer.h"

TEST(ThemePackage, OneObjectWritesBareNumberLinesAndItsPictures)
{
    ThemeFolder theme;
    ThemePackage package = samplePackage(1);
    package.objects[0].objX = -32768;
    package.objects[0].contY = 32767;
    package.boxX = -5;
    theme.write(package);

    EXPECT_EQ(readBytes(theme.file("Theme.ini")), "-32768\r\n2\r\n-4\r\n32767\r\n");
    EXPECT_EQ(readBytes(theme.file("Theme2.ini")), "-5\r\n200\r\n");
    EXPECT_EQ(readBytes(theme.file("ThemeDetails.ini")), "\"A quiet meadow\"\r\n\"On the 3/4/2024\"\r\n");
    for (const char* name : {"ss0.bmp", "sm0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp"})
        EXPECT_TRUE(FileExist(theme.file(name))) << name;
    EXPECT_FALSE(FileExist(theme.file("ss1.bmp")));
    expectSamePackage(theme.load(), package);
}

TEST(ThemePackage, ElevenAndTwentyOneObjectsRoundTripWithTwoDigitFileNumbers)
{
    for (int objects : {11, ThemeFiles::kMaxObjects}) {
        ThemeFolder theme;
        const ThemePackage package = samplePackage(objects);
        theme.write(package);
        const std::string last = std::to_string(objects - 1);
        for (const char* prefix : {"ss", "sm", "cs", "cm"})
            EXPECT_TRUE(FileExist(theme.file(prefix + last + ".bmp"))) << prefix << last;
        EXPECT_FALSE(FileExist(theme.file("ss" + std::to_string(objects) + ".bmp")));
        expectSamePackage(theme.load(), package);
    }
}

TEST(ThemePackage, ZeroObjectsLoadWithoutBackground)
{
    ThemeFolder theme;
    theme.write(samplePackage(0));
    EXPECT_EQ(readBytes(theme.file("Theme.ini")), "");
    EXPECT_FALSE(FileExist(theme.file("bg.bmp")));
    const ThemePackage loaded = theme.load();
    EXPECT_TRUE(loaded.objects.empty());
    EXPECT_FALSE(loaded.background);
}

TEST(ThemePackage, BoxPositionOnOneLineEqualsTwoLinesAndBlankLinesAddNoObject)
{
    ThemeFolder theme;
    theme.write(samplePackage(1));
    writeBytes(theme.file("Theme.ini"), "1\r\n2\r\n-4\r\n3\r\n\r\n \r\n");
    for (const char* text : {"120\r\n80\r\n", "120,80", "120,80\r\n", " 120 , 80 \r\n", "120.4\r\n79.5\r\n"}) {
        writeBytes(theme.file("Theme2.ini"), text);
        const ThemePackage loaded = theme.load();
        EXPECT_EQ(loaded.objects.size(), 1u);
        EXPECT_EQ(loaded.boxX, 120) << text;
        EXPECT_EQ(loaded.boxY, 80) << text;
    }
}

TEST(ThemePackage, DescriptionWithLineBreakAndCommaReadsBackWhole)
{
    ThemeFolder theme;
    ThemePackage package = samplePackage(1);
    package.description = "Hills, lakes\r\nand woods";
    package.dateLine = "On the 3/4/2024, noon";
    theme.write(package);
    expectSamePackage(theme.load(), package);
}

TEST(ThemePackage, DetailsAreOptionalMayLackTheDateLineAndAreDecodedFromWindows1252)
{
    ThemeFolder theme;
    theme.write(samplePackage(1));
    writeBytes(theme.file("ThemeDetails.ini"), "\"Caf\xE9 \x93Lune\x94\"\r\n");
    ThemePackage loaded = theme.load();
    EXPECT_TRUE(loaded.hasDetails);
    EXPECT_EQ(loaded.description, "Caf\xC3\xA9 \xE2\x80\x9CLune\xE2\x80\x9D");
    EXPECT_EQ(loaded.dateLine, "");

    ASSERT_TRUE(QFile::remove(QString::fromStdString(theme.file("ThemeDetails.ini"))));
    loaded = theme.load();
    EXPECT_FALSE(loaded.hasDetails);
    EXPECT_EQ(loaded.description, "");
}

TEST(ThemePackage, FilesNamedInOtherLetterCaseAreFoundAndSoundsNeedNotExist)
{
    ThemeFolder theme;
    const ThemePackage package = samplePackage(2);
    theme.write(package);
    writeBytes(theme.file("pickup.wav"), "RIFF");
    QDir dir(QString::fromStdString(theme.folder()));
    for (const QString& name : dir.entryList(QDir::Files))
        ASSERT_TRUE(dir.rename(name, name.toUpper())) << name.toStdString();
    ASSERT_TRUE(FileExist(theme.file("PS.BMP")));

    const ThemePackage loaded = theme.load();
    expectSamePackage(loaded, package);
    EXPECT_EQ(loaded.sounds.pickup, theme.file("PICKUP.WAV"));
    EXPECT_EQ(loaded.sounds.hitTube, theme.file("HitTube.wav"));
    EXPECT_EQ(loaded.sounds.putInCont, theme.file("PutInCont.wav"));
    EXPECT_EQ(loaded.sounds.letGo, theme.file("LetGo.wav"));
}

TEST(ThemePackage, OlderFilesOfHigherIndicesStayAndAreIgnored)
{
    ThemeFolder theme;
    theme.write(samplePackage(5));
    ThemePackage smaller = samplePackage(3);
    smaller.objects[0].objX = 1000;
    theme.write(smaller);
    EXPECT_TRUE(FileExist(theme.file("cm4.bmp")));
    expectSamePackage(theme.load(), smaller);
}

TEST(ThemePackage, EachFileOrFolderThatCannotBeWrittenIsReportedAndTheRestIsWritten)
{
    ScratchFolder program;
    writeBytes(program.file("plain-file"), "x");
    const std::string unreachable = program.file("plain-file/Meadow");
    const std::vector<std::string> folderFailures = writeThemePackage(unreachable, samplePackage(1));
    ASSERT_FALSE(folderFailures.empty());
    EXPECT_NE(folderFailures.front().find(unreachable), std::string::npos) << folderFailures.front();

    ThemeFolder theme;
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(theme.file("Theme.ini"))));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(theme.file("sm0.bmp"))));
    const std::vector<std::string> failures = writeThemePackage(theme.folder(), samplePackage(1));
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find(theme.file("sm0.bmp")), std::string::npos) << failures[0];
    EXPECT_NE(failures[1].find(theme.file("Theme.ini")), std::string::npos) << failures[1];
    for (const char* name :
         {"ss0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp", "Theme2.ini", "ThemeDetails.ini"})
        EXPECT_TRUE(FileExist(theme.file(name))) << name;
}
