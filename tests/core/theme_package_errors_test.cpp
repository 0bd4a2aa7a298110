#include <gtest/gtest.h>

#include <QFile>

#include <optional>
#include <vector>

#include "records.h"
#include "test_themes.h"

namespace {

std::string positionLines(int groups)
{
    std::string text;
    for (int i = 0; i < 4 * groups; ++i)
        text += numberRecord(static_cast<std::int16_t>(i));
    return text;
}

}  // namespace

TEST(ThemePackageErrors, EachDamageOfAOneObjectThemeIsReported)
{
    struct Case {
        const char* file;
        std::optional<std::string> bytes;  // nothing: the file is removed
        ThemeLoadProblem problem;
        std::string detail;
    };
    const std::string truncatedBitmap = bitmapOf(Surface(24, 16)).substr(0, 1000);
    std::vector<Case> cases = {
        {"Theme.ini", std::nullopt, ThemeLoadProblem::MissingTextFile, "Theme.ini"},
        {"Theme2.ini", std::nullopt, ThemeLoadProblem::MissingTextFile, "Theme2.ini"},
        {"Theme.ini", positionLines(1) + "5\r\n", ThemeLoadProblem::Damaged, "multiple of 4"},
        {"Theme.ini", positionLines(2).substr(0, 21), ThemeLoadProblem::Damaged, "multiple of 4"},
        {"Theme.ini", "1\r\n2\r\n3\r\n4\r\n5\r\nabc\r\n7\r\n8\r\n", ThemeLoadProblem::Damaged, "line 6: \"abc\""},
        {"Theme.ini", "1\r\n40000\r\n3\r\n4\r\n", ThemeLoadProblem::Damaged, "line 2"},
        {"Theme.ini", "1\r\n\r\n3\r\n4\r\n", ThemeLoadProblem::Damaged, "line 2"},
        {"Theme.ini", positionLines(22), ThemeLoadProblem::Damaged, "more than 21"},
        {"Theme2.ini", "", ThemeLoadProblem::Damaged, "two numbers"},
        {"Theme2.ini", "120\r\n", ThemeLoadProblem::Damaged, "two numbers"},
        {"Theme2.ini", "120\r\nfar\r\n", ThemeLoadProblem::Damaged, "line 2: \"far\""},
        {"cs0.bmp", "definitely not a picture", ThemeLoadProblem::Damaged, ""},
        {"bg.bmp", truncatedBitmap, ThemeLoadProblem::Damaged, "truncated"}};
    for (const char* picture : {"ss0.bmp", "sm0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp"})
        cases.push_back({picture, std::nullopt, ThemeLoadProblem::Damaged, "does not exist"});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.detail);
        ThemeFolder theme;
        theme.write(samplePackage(1));
        if (c.bytes)
            writeBytes(theme.file(c.file), *c.bytes);
        else
            ASSERT_TRUE(QFile::remove(QString::fromStdString(theme.file(c.file))));
        // A missing text file makes the folder no theme at all, named by the theme; other damage names the file.
        const bool missing = c.problem == ThemeLoadProblem::MissingTextFile;
        expectLoadFailure(theme.read(), c.problem, {missing ? ThemeFolder::kName : theme.file(c.file), c.detail});
    }
}

TEST(ThemePackageErrors, MissingThemeFolderIsNoTheme)
{
    ThemeFolder theme;
    expectLoadFailure(readThemePackage(theme.programFolder(), "Elsewhere"), ThemeLoadProblem::MissingTextFile,
                      {"Elsewhere"});
}
