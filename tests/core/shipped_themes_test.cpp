#include <gtest/gtest.h>

#include "file_lookup.h"
#include "records.h"
#include "test_files.h"
#include "test_pictures.h"
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

TEST(ShippedThemes, Theme1HasAtLeastFiveObjectsAndWorkshopMore)
{
    // A theme that does not load throws here; the tests below say why it does not.
    const auto count = [](const char* name) { return readThemePackage(kProgramFolder, name).value().objects.size(); };
    EXPECT_GE(count("Theme1"), 5u);
    EXPECT_GT(count("Workshop"), count("Theme1"));
}

TEST_P(ShippedTheme, ObjectsAreDistinctFigures)
{
    const std::vector<ThemeObject>& objects = m_theme.value().objects;
    for (std::size_t i = 0; i < objects.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(objects[i].picture, objects[j].picture) << "objects " << j << " and " << i;
}

TEST_P(ShippedTheme, SoundCuesAreMonoSixteenBitPcmWavesAndTheHighScoreFileHoldsThirtyQuotedRecords)
{
    for (const std::string& name :
         {ThemeFiles::kPickupSound, ThemeFiles::kLetGoSound, ThemeFiles::kHitTubeSound, ThemeFiles::kPutInContSound}) {
        const std::string bytes = readBytes(file(name));
        ASSERT_GT(bytes.size(), 44u) << name;
        // RIFF size, a 16-byte PCM format chunk (one channel, 22050 samples a second of 16 bits), then the data.
        std::string header = "RIFF";
        appendLittleEndian(header, 4, {static_cast<std::uint32_t>(bytes.size() - 8)});
        header += std::string("WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data", 32);
        appendLittleEndian(header, 4, {static_cast<std::uint32_t>(bytes.size() - 44)});
        EXPECT_EQ(bytes.substr(0, 44), header) << name;
    }
    RecordReader scores(readBytes(file(ThemeFiles::kHighScores)));
    for (int i = 0; i < 30; ++i) {
        const std::string line = scores.readLine().value_or("");
        EXPECT_TRUE(line.size() >= 2 && line.front() == '"' && line.back() == '"') << "line " << i + 1;
    }
    EXPECT_TRUE(scores.onlyBlankLinesLeft());
}

INSTANTIATE_TEST_SUITE_P(BothThemes, ShippedTheme, testing::Values("Theme1", "Workshop"));
