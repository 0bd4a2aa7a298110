#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "records.h"
#include "test_themes.h"

namespace {

// A written one-object theme, ready to be damaged by a test.
class BrokenTheme : public testing::Test {
protected:
    void SetUp() override { m_theme.write(samplePackage(1)); }

    void remove(const std::string& name) const
    {
        ASSERT_TRUE(QFile::remove(QString::fromStdString(m_theme.file(name)))) << name;
    }

    ThemeFolder m_theme;
};

std::string positionLines(int groups)
{
    std::string text;
    for (int i = 0; i < 4 * groups; ++i)
        text += numberRecord(static_cast<std::int16_t>(i));
    return text;
}

}  // namespace

TEST(ThemePackageErrors, MissingPositionFilesMakeItNoTheme)
{
    for (const char* name : {"Theme.ini", "Theme2.ini"}) {
        ThemeFolder theme;
        theme.write(samplePackage(1));
        ASSERT_TRUE(QFile::remove(QString::fromStdString(theme.file(name))));
        expectLoadFailure(theme.read(), ThemeLoadProblem::MissingTextFile, {ThemeFolder::kName});
    }
}

TEST_F(BrokenTheme, FolderInPlaceOfThemeIniIsNoTheme)
{
    remove("Theme.ini");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(m_theme.file("Theme.ini"))));
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::MissingTextFile, {});
}

TEST_F(BrokenTheme, MissingThemeFolderIsNoTheme)
{
    expectLoadFailure(readThemePackage(m_theme.programFolder(), "Elsewhere"), ThemeLoadProblem::MissingTextFile,
                      {"Elsewhere"});
}

TEST_F(BrokenTheme, LineCountNotAMultipleOfFour)
{
    for (const std::string& text : {positionLines(1) + "5\r\n", positionLines(2).substr(0, 21)}) {
        writeBytes(m_theme.file("Theme.ini"), text);
        expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme.ini"), "multiple of 4"});
    }
}

TEST_F(BrokenTheme, NonNumericLineNamesFileAndLine)
{
    writeBytes(m_theme.file("Theme.ini"), "1\r\n2\r\n3\r\n4\r\n5\r\nabc\r\n7\r\n8\r\n");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme.ini"), "line 6", "abc"});

    writeBytes(m_theme.file("Theme.ini"), "1\r\n40000\r\n3\r\n4\r\n");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme.ini"), "line 2"});

    writeBytes(m_theme.file("Theme.ini"), "1\r\n\r\n3\r\n4\r\n");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme.ini"), "line 2"});
}

TEST_F(BrokenTheme, TrailingBlankLinesAreNotAnObject)
{
    writeBytes(m_theme.file("Theme.ini"), positionLines(1) + "\r\n\r\n");
    const ThemeReadResult loaded = m_theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded.value().objects.size(), 1u);
}

TEST(ThemePackageErrors, MoreThanTwentyOneGroupsAreRefused)
{
    ThemeFolder theme;
    theme.write(samplePackage(21));
    writeBytes(theme.file("Theme.ini"), positionLines(22));
    expectLoadFailure(theme.read(), ThemeLoadProblem::Damaged, {theme.file("Theme.ini"), "21"});
}

TEST_F(BrokenTheme, BoxPositionNeedsTwoNumbers)
{
    writeBytes(m_theme.file("Theme2.ini"), "120\r\n");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme2.ini")});

    writeBytes(m_theme.file("Theme2.ini"), "120\r\nfar\r\n");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme2.ini"), "line 2", "far"});
}

TEST(ThemePackageErrors, EveryMissingPictureIsNamed)
{
    for (const char* name : {"ss0.bmp", "sm0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp"}) {
        ThemeFolder theme;
        theme.write(samplePackage(1));
        ASSERT_TRUE(QFile::remove(QString::fromStdString(theme.file(name))));
        expectLoadFailure(theme.read(), ThemeLoadProblem::Damaged, {theme.file(name)});
    }
}

TEST_F(BrokenTheme, CorruptPictureIsNamed)
{
    writeBytes(m_theme.file("cs0.bmp"), "definitely not a picture");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("cs0.bmp")});
}

TEST_F(BrokenTheme, TruncatedPictureIsNamed)
{
    const std::string whole = readBytes(m_theme.file("bg.bmp"));
    writeBytes(m_theme.file("bg.bmp"), whole.substr(0, whole.size() - 10));
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("bg.bmp"), "truncated"});
}

TEST_F(BrokenTheme, EmptyBoxPositionFileIsDamaged)
{
    writeBytes(m_theme.file("Theme2.ini"), "");
    expectLoadFailure(m_theme.read(), ThemeLoadProblem::Damaged, {m_theme.file("Theme2.ini")});
}

TEST_F(BrokenTheme, DetailsWithOneRecordLeaveTheDateLineEmpty)
{
    writeBytes(m_theme.file("ThemeDetails.ini"), "\"Only a description\"\r\n");
    const ThemeReadResult loaded = m_theme.read();
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded.value().description, "Only a description");
    EXPECT_EQ(loaded.value().dateLine, "");
}
