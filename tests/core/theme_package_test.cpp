#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "file_lookup.h"
#include "records.h"
#include "test_themes.h"
#include "theme_files.h"
#include "theme_writer.h"

namespace {

bool exists(const std::string& path)
{
    return QFile::exists(QString::fromStdString(path));
}

}  // namespace

TEST(ThemePackage, OneObjectWritesFourLinesAndItsFourPictures)
{
    ThemeFolder theme;
    const ThemePackage package = samplePackage(1);
    theme.write(package);

    EXPECT_EQ(readBytes(theme.file("Theme.ini")), "1\r\n2\r\n-4\r\n3\r\n");
    EXPECT_EQ(readBytes(theme.file("Theme2.ini")), "300\r\n200\r\n");
    EXPECT_EQ(readBytes(theme.file("ThemeDetails.ini")), "\"A quiet meadow\"\r\n\"On the 3/4/2024\"\r\n");
    for (const char* name : {"ss0.bmp", "sm0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp"})
        EXPECT_TRUE(exists(theme.file(name))) << name;
    EXPECT_FALSE(exists(theme.file("ss1.bmp")));

    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    expectSamePackage(loaded.value(), package);
}

TEST(ThemePackage, ElevenObjectsNameTheLastFilesWithTen)
{
    ThemeFolder theme;
    const ThemePackage package = samplePackage(11);
    theme.write(package);
    for (const char* name : {"ss10.bmp", "sm10.bmp", "cs10.bmp", "cm10.bmp"})
        EXPECT_TRUE(exists(theme.file(name))) << name;
    EXPECT_FALSE(exists(theme.file("ss11.bmp")));

    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    expectSamePackage(loaded.value(), package);
}

TEST(ThemePackage, TwentyOneObjectsLoad)
{
    ThemeFolder theme;
    const ThemePackage package = samplePackage(ThemeFiles::kMaxObjects);
    theme.write(package);
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    expectSamePackage(loaded.value(), package);
}

TEST(ThemePackage, NegativeAndExtremePositionsRoundTrip)
{
    ThemeFolder theme;
    ThemePackage package = samplePackage(2);
    package.objects[0].objX = -32768;
    package.objects[0].objY = -1;
    package.objects[1].contX = 32767;
    package.objects[1].contY = -250;
    package.boxX = -5;
    package.boxY = -7;
    theme.write(package);

    EXPECT_EQ(readBytes(theme.file("Theme.ini")).substr(0, 12), "-32768\r\n-1\r\n");
    EXPECT_EQ(readBytes(theme.file("Theme2.ini")), "-5\r\n-7\r\n");
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    expectSamePackage(loaded.value(), package);
}

TEST(ThemePackage, BoxPositionOnOneLineEqualsTwoLines)
{
    ThemeFolder theme;
    theme.write(samplePackage(1));
    for (const char* text : {"120,80", "120,80\r\n", "120\r\n80\r\n", " 120 , 80 \r\n", "120.4,79.5\r\n"}) {
        writeBytes(theme.file("Theme2.ini"), text);
        const ThemeReadResult loaded = theme.read();
        ASSERT_TRUE(loaded) << loaded.error().message;
        EXPECT_EQ(loaded.value().boxX, 120) << text;
        EXPECT_EQ(loaded.value().boxY, 80) << text;
    }
}

TEST(ThemePackage, DescriptionWithLineBreakAndCommaReadsBackWhole)
{
    ThemeFolder theme;
    ThemePackage package = samplePackage(1);
    package.description = "Hills, lakes\r\nand woods";
    package.dateLine = "On the 3/4/2024, noon";
    theme.write(package);
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_TRUE(loaded.value().hasDetails);
    EXPECT_EQ(loaded.value().description, "Hills, lakes\r\nand woods");
    EXPECT_EQ(loaded.value().dateLine, "On the 3/4/2024, noon");
}

TEST(ThemePackage, Windows1252DetailsAreDecoded)
{
    ThemeFolder theme;
    theme.write(samplePackage(1));
    writeBytes(theme.file("ThemeDetails.ini"), "\"Caf\xE9 \x93Lune\x94\"\r\n\"On the 3/4/2024\"\r\n");
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded.value().description, "Caf\xC3\xA9 \xE2\x80\x9CLune\xE2\x80\x9D");
    EXPECT_EQ(loaded.value().dateLine, "On the 3/4/2024");
}

TEST(ThemePackage, DetailsAreOptional)
{
    ThemeFolder theme;
    theme.write(samplePackage(1));
    QFile::remove(QString::fromStdString(theme.file("ThemeDetails.ini")));
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_FALSE(loaded.value().hasDetails);
    EXPECT_EQ(loaded.value().description, "");
}

TEST(ThemePackage, WithoutSoundFilesLoadsAndPointsIntoTheFolder)
{
    ThemeFolder theme;
    theme.write(samplePackage(1));
    writeBytes(theme.file("pickup.WAV"), "RIFF");
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    const ThemeSounds& sounds = loaded.value().sounds;
    EXPECT_EQ(sounds.hitTube, theme.file("HitTube.wav"));
    EXPECT_EQ(sounds.putInCont, theme.file("PutInCont.wav"));
    EXPECT_EQ(sounds.pickup, theme.file("pickup.WAV"));
    EXPECT_EQ(sounds.letGo, theme.file("LetGo.wav"));
}

TEST(ThemePackage, ZeroObjectsLoadWithoutBackground)
{
    ThemeFolder theme;
    const ThemePackage package = samplePackage(0);
    theme.write(package);
    EXPECT_EQ(readBytes(theme.file("Theme.ini")), "");
    EXPECT_FALSE(exists(theme.file("bg.bmp")));
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_TRUE(loaded.value().objects.empty());
    EXPECT_FALSE(loaded.value().background);
}

TEST(ThemePackage, FilesNamedInOtherLetterCaseLoad)
{
    ThemeFolder theme;
    const ThemePackage package = samplePackage(2);
    theme.write(package);
    QDir dir(QString::fromStdString(theme.folder()));
    for (const QString& name : dir.entryList(QDir::Files))
        ASSERT_TRUE(dir.rename(name, name.toUpper())) << name.toStdString();
    ASSERT_TRUE(exists(theme.file("PS.BMP")));

    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    expectSamePackage(loaded.value(), package);
}

TEST(ThemePackage, OlderFilesOfHigherIndicesStayAndAreIgnored)
{
    ThemeFolder theme;
    theme.write(samplePackage(5));
    ThemePackage smaller = samplePackage(3);
    for (ThemeObject& object : smaller.objects)
        object.objX = static_cast<std::int16_t>(object.objX + 1000);
    theme.write(smaller);

    EXPECT_TRUE(exists(theme.file("ss3.bmp")));
    EXPECT_TRUE(exists(theme.file("cm4.bmp")));
    const ThemeReadResult loaded = theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    expectSamePackage(loaded.value(), smaller);
}

TEST(ThemePackage, FolderThatCannotBeCreatedIsReported)
{
    ScratchFolder program;
    writeBytes(program.file("plain-file"), "x");
    const std::string folder = program.file("plain-file/Meadow");
    const std::vector<std::string> failures = writeThemePackage(folder, samplePackage(1));
    ASSERT_FALSE(failures.empty());
    EXPECT_NE(failures.front().find(folder), std::string::npos) << failures.front();
}

TEST(ThemePackage, EachFileThatCannotBeWrittenIsReportedAndTheRestIsWritten)
{
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
