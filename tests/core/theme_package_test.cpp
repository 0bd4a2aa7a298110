#include <gtest/gtest.h>

#include <QFile>

#include "file_lookup.h"
#include "test_files.h"
#include "test_pictures.h"
#include "theme_builder.h"
#include "theme_reader.h"

namespace {

constexpr char kName[] = "Meadow";

// Theme kName in a program folder of its own, written from a package of `objects` objects in a row, each of its
// own colour and place, so that a mix-up shows. The box stands at the ends of the 16-bit range and the description
// spans lines and holds a comma, so that the file syntax shows too.
struct ThemeFolder {
    explicit ThemeFolder(int objects = 1) : package(makeRowTheme(objects, 6, 640))
    {
        // The background goes with the objects: a theme without objects has none.
        if (objects == 0)
            package.background.reset();
        std::tie(package.boxX, package.boxY, package.description) =
            std::tuple(-32768, 32767, "Hills, lakes\r\nand woods");
        writeTheme(program.path(), kName, package);
    }
    std::string file(const std::string& name) const { return program.file(kName) + "/" + name; }
    ThemeReadResult read() const { return readThemePackage(program.path(), kName); }
    // Reads the theme back and expects the package it was written from.
    void expectReadBack() const
    {
        const ThemeReadResult result = read();
        ASSERT_TRUE(result) << result.error().message;
        EXPECT_EQ(packageFields(result.value()), packageFields(package));
    }

    ScratchFolder program;
    ThemePackage package;
};

}  // namespace

TEST(ThemePackage, RoundTripsAsBareNumberLinesQuotedDetailsAndPicturesNumberedFromZero)
{
    for (int objects : {0, 1, 11, 21}) {
        SCOPED_TRACE(std::to_string(objects) + " objects");
        ThemeFolder theme(objects);
        EXPECT_EQ(readBytes(theme.file("Theme.ini")).substr(0, 16), objects > 0 ? "9\r\n107\r\n4\r\n104\r\n" : "");
        EXPECT_EQ(readBytes(theme.file("Theme2.ini")), "-32768\r\n32767\r\n");
        EXPECT_EQ(readBytes(theme.file("ThemeDetails.ini")), "\"Hills, lakes\r\nand woods\"\r\n\"On the 1st\"\r\n");
        const std::string last = std::to_string(objects - 1);
        for (const char* prefix : {"ss", "sm", "cs", "cm"})
            EXPECT_EQ(fileExists(theme.file(prefix + last + ".bmp")), objects > 0) << prefix << last;
        EXPECT_FALSE(fileExists(theme.file("ss" + std::to_string(objects) + ".bmp")));
        EXPECT_EQ(fileExists(theme.file("bg.bmp")), objects > 0);
        theme.expectReadBack();
    }
}

TEST(ThemePackage, HandWrittenFilesMayPutTheBoxOnOneLineAddBlankLinesAndLackOrEncodeDetailsOtherwise)
{
    ThemeFolder theme;
    writeBytes(theme.file("Theme.ini"), "9\r\n107\r\n4\r\n104\r\n\r\n \r\n");
    std::tie(theme.package.boxX, theme.package.boxY) = std::pair(120, 80);
    for (const char* text : {"120\r\n80\r\n", "120,80", "120,80\r\n", " 120 , 80 \r\n", "120.4\r\n79.5\r\n"}) {
        SCOPED_TRACE(text);
        writeBytes(theme.file("Theme2.ini"), text);
        theme.expectReadBack();
    }
    // Details made on Windows, without a date line.
    writeBytes(theme.file("ThemeDetails.ini"), "\"Caf\xE9 \x93Lune\x94\"\r\n");
    std::tie(theme.package.description, theme.package.dateLine) =
        std::pair("Caf\xC3\xA9 \xE2\x80\x9CLune\xE2\x80\x9D", "");
    theme.expectReadBack();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(theme.file("ThemeDetails.ini"))));
    std::tie(theme.package.hasDetails, theme.package.description) = std::pair(false, "");
    theme.expectReadBack();
}
