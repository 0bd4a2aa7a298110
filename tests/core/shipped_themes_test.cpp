#include <gtest/gtest.h>

#include "file_lookup.h"
#include "records.h"
#include "test_files.h"
#include "theme_files.h"
#include "theme_reader.h"

// The themes the build draws into the program folder, read back from there as the game reads them. The build
// already holds each drawn package to the rules of play (masks that follow their pictures, default tubes, objects
// resting clear of them, everything on the background) and reads it back; this checks the installed folders and
// what those rules leave out.

namespace {

const std::string kProgramFolder = PROGRAM_FOLDER_FOR_TESTS;

class ShippedTheme : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override { ASSERT_TRUE(m_theme) << GetParam() << " does not load: " << m_theme.error().message; }
    std::string file(const std::string& name) const { return joinPath(themeFolder(kProgramFolder, GetParam()), name); }

    const ThemeReadResult m_theme = readThemePackage(kProgramFolder, GetParam());
};

}  // namespace

TEST_P(ShippedTheme, HasDistinctFiguresItsSoundCuesAndAHighScoreFileOfThirtyQuotedRecords)
{
    const std::vector<ThemeObject>& objects = m_theme.value().objects;
    for (std::size_t i = 0; i < objects.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(objects[i].picture, objects[j].picture) << "objects " << j << " and " << i;
    for (const std::string& name :
         {ThemeFiles::kPickupSound, ThemeFiles::kLetGoSound, ThemeFiles::kHitTubeSound, ThemeFiles::kPutInContSound})
        EXPECT_EQ(readBytes(file(name)).substr(0, 4), "RIFF") << name;
    RecordReader scores(readBytes(file(ThemeFiles::kHighScores)));
    for (int i = 0; i < 30; ++i) {
        const std::string line = scores.readLine().value_or("");
        EXPECT_TRUE(line.size() >= 2 && line.front() == '"' && line.back() == '"') << "line " << i + 1;
    }
    EXPECT_TRUE(scores.onlyBlankLinesLeft());
}

INSTANTIATE_TEST_SUITE_P(BothThemes, ShippedTheme, testing::Values("Theme1", "Workshop"));
