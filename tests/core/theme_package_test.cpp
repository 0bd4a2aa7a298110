#include <gtest/gtest.h>

#include <QFile>

#include <optional>
#include <tuple>

#include "file_lookup.h"
#include "records.h"
#include "test_files.h"
#include "test_pictures.h"
#include "theme_builder.h"
#include "theme_files.h"
#include "theme_reader.h"

namespace {

constexpr char kName[] = "Meadow";
const char* const kPictures[] = {"ss0.bmp", "sm0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp"};

// A theme of `objects` objects in a row, each of its own colour and place, so that a mix-up shows.
ThemePackage samplePackage(int objects)
{
    ThemePackage package = makeRowTheme(objects, 6, 640);
    if (objects == 0)
        package.background.reset();
    return package;
}

auto fields(const ThemeObject& o)
{
    return std::tie(o.objX, o.objY, o.contX, o.contY, o.picture, o.mask, o.tube, o.tubeMask);
}

auto fields(const ThemePackage& p)
{
    return std::tie(p.background, p.boxX, p.boxY, p.boxPicture, p.boxMask, p.hasDetails, p.description, p.dateLine);
}

void expectSamePackage(const ThemePackage& actual, const ThemePackage& expected)
{
    ASSERT_EQ(actual.objects.size(), expected.objects.size());
    for (std::size_t i = 0; i < expected.objects.size(); ++i)
        EXPECT_EQ(fields(actual.objects[i]), fields(expected.objects[i])) << "object " << i;
    EXPECT_EQ(fields(actual), fields(expected));
}

// Theme kName in a program folder of its own.
struct ThemeFolder {
    std::string file(const std::string& name) const { return program.file(kName) + "/" + name; }
    void write(const ThemePackage& package) const { writeTheme(program.path(), kName, package); }
    ThemeReadResult read() const { return readThemePackage(program.path(), kName); }
    // The package read back; a failure to load is reported and gives an empty package.
    ThemePackage load() const
    {
        const ThemeReadResult result = read();
        EXPECT_TRUE(result) << result.error().message;
        return result ? result.value() : ThemePackage{};
    }
    void remove(const std::string& name) const
    {
        ASSERT_TRUE(QFile::remove(QString::fromStdString(file(name)))) << name;
    }

    ScratchFolder program;
};

}  // namespace

TEST(ThemePackage, OneObjectWritesBareNumberLinesQuotedDetailsAndItsPictures)
{
    ThemeFolder theme;
    ThemePackage package = samplePackage(1);
    package.objects[0].objX = -32768;
    package.objects[0].contY = 32767;
    package.boxX = -5;
    package.description = "Hills, lakes\r\nand woods";
    theme.write(package);

    EXPECT_EQ(readBytes(theme.file("Theme.ini")), "-32768\r\n107\r\n4\r\n32767\r\n");
    EXPECT_EQ(readBytes(theme.file("Theme2.ini")), "-5\r\n5\r\n");
    EXPECT_EQ(readBytes(theme.file("ThemeDetails.ini")), "\"Hills, lakes\r\nand woods\"\r\n\"On the 1st\"\r\n");
    for (const char* name : kPictures)
        EXPECT_TRUE(FileExist(theme.file(name))) << name;
    EXPECT_FALSE(FileExist(theme.file("ss1.bmp")));
    expectSamePackage(theme.load(), package);
}

TEST(ThemePackage, NoneElevenOrTwentyOneObjectsRoundTripWithTwoDigitFileNumbers)
{
    for (int objects : {0, 11, ThemeFiles::kMaxObjects}) {
        ThemeFolder theme;
        const ThemePackage package = samplePackage(objects);
        theme.write(package);
        const std::string last = std::to_string(objects - 1);
        for (const char* prefix : {"ss", "sm", "cs", "cm"})
            EXPECT_EQ(FileExist(theme.file(prefix + last + ".bmp")), objects > 0) << prefix << last;
        EXPECT_FALSE(FileExist(theme.file("ss" + std::to_string(objects) + ".bmp")));
        // The background goes with the objects: a theme without objects has none.
        EXPECT_EQ(FileExist(theme.file("bg.bmp")), objects > 0);
        expectSamePackage(theme.load(), package);
    }
}

TEST(ThemePackage, BoxPositionOnOneLineEqualsTwoLinesAndBlankLinesAddNoObject)
{
    ThemeFolder theme;
    ThemePackage package = samplePackage(1);
    theme.write(package);
    writeBytes(theme.file("Theme.ini"), "9\r\n107\r\n4\r\n104\r\n\r\n \r\n");
    package.boxX = 120;
    package.boxY = 80;
    for (const char* text : {"120\r\n80\r\n", "120,80", "120,80\r\n", " 120 , 80 \r\n", "120.4\r\n79.5\r\n"}) {
        SCOPED_TRACE(text);
        writeBytes(theme.file("Theme2.ini"), text);
        expectSamePackage(theme.load(), package);
    }
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

    theme.remove("ThemeDetails.ini");
    loaded = theme.load();
    EXPECT_FALSE(loaded.hasDetails);
    EXPECT_EQ(loaded.description, "");
}

TEST(ThemePackage, EachDamageOfAOneObjectThemeIsReportedNamingTheFile)
{
    struct Case {
        const char* file;
        std::optional<std::string> bytes;  // nothing: the file is removed
        std::string detail;
    };
    std::string positions;
    for (int i = 0; i < 4 * 22; ++i)
        positions += numberRecord(static_cast<std::int16_t>(i));
    std::vector<Case> cases = {{"Theme.ini", positions.substr(0, 15), "multiple of 4"},
                               {"Theme.ini", positions.substr(0, 41), "multiple of 4"},
                               {"Theme.ini", "1\r\n2\r\n3\r\n4\r\n5\r\nabc\r\n7\r\n8\r\n", "line 6: \"abc\""},
                               {"Theme.ini", "1\r\n40000\r\n3\r\n4\r\n", "line 2"},
                               {"Theme.ini", "1\r\n\r\n3\r\n4\r\n", "line 2"},
                               {"Theme.ini", positions, "more than 21"},
                               {"Theme2.ini", "", "two numbers"},
                               {"Theme2.ini", "120\r\n", "two numbers"},
                               {"Theme2.ini", "120\r\nfar\r\n", "line 2: \"far\""},
                               {"cs0.bmp", "definitely not a picture", ""},
                               {"bg.bmp", bitmapOf(Surface(24, 16)).substr(0, 1000), "truncated"}};
    for (const char* picture : kPictures)
        cases.push_back({picture, std::nullopt, "does not exist"});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.detail);
        ThemeFolder theme;
        theme.write(samplePackage(1));
        if (c.bytes)
            writeBytes(theme.file(c.file), *c.bytes);
        else
            theme.remove(c.file);
        const ThemeReadResult result = theme.read();
        ASSERT_FALSE(result) << "the theme loaded";
        EXPECT_EQ(result.error().problem, ThemeLoadProblem::Damaged);
        for (const std::string& part : {theme.file(c.file), c.detail})
            EXPECT_NE(result.error().message.find(part), std::string::npos) << result.error().message;
    }
}
