#include <gtest/gtest.h>

#include "default_tube.h"
#include "file_lookup.h"
#include "records.h"
#include "test_files.h"
#include "test_pictures.h"
#include "theme_files.h"
#include "theme_reader.h"

// The themes the build draws into the program folder, read back as the game reads them.

namespace {

const std::string kProgramFolder = PROGRAM_FOLDER_FOR_TESTS;

ThemePackage loadShipped(const std::string& name)
{
    const ThemeReadResult result = readThemePackage(kProgramFolder, name);
    if (!result) {
        ADD_FAILURE() << name << " does not load: " << result.error().message;
        return {};
    }
    return result.value();
}

testing::AssertionResult maskFollowsPicture(const Surface& picture, const Surface& mask)
{
    if (picture.width() != mask.width() || picture.height() != mask.height())
        return testing::AssertionFailure() << "the mask has another size than its picture";
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (mask.pixel(x, y) != (picture.pixel(x, y) == kWhite ? kWhite : kBlack))
                return testing::AssertionFailure() << "the mask is wrong at " << x << "," << y;
    return testing::AssertionSuccess();
}

bool touchesTubeAtRest(const ThemeObject& object, int restX, int restY)
{
    for (int y = 0; y < object.mask.height(); ++y)
        for (int x = 0; x < object.mask.width(); ++x)
            if (object.mask.pixel(x, y) == kBlack &&
                object.tubeMask.pixel(restX + x - object.contX, restY + y - object.contY) == kBlack)
                return true;
    return false;
}

bool insideCanvas(const Surface& canvas, int x, int y, const Surface& picture)
{
    return x >= 0 && y >= 0 && x + picture.width() <= canvas.width() && y + picture.height() <= canvas.height();
}

class ShippedTheme : public testing::TestWithParam<std::string> {
protected:
    ShippedTheme() : m_package(loadShipped(GetParam())) {}

    std::string file(const std::string& name) const { return joinPath(themeFolder(kProgramFolder, GetParam()), name); }

    ThemePackage m_package;
};

}  // namespace

TEST(ShippedThemes, Theme1HasAtLeastFiveObjectsAndWorkshopMore)
{
    const ThemePackage theme1 = loadShipped("Theme1");
    const ThemePackage workshop = loadShipped("Workshop");
    EXPECT_GE(theme1.objects.size(), 5u);
    EXPECT_GT(workshop.objects.size(), theme1.objects.size());
    EXPECT_LE(workshop.objects.size(), static_cast<std::size_t>(ThemeFiles::kMaxObjects));
}

TEST_P(ShippedTheme, ObjectsAreDistinctFiguresWithExactMasksInDefaultTubes)
{
    for (std::size_t i = 0; i < m_package.objects.size(); ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        const ThemeObject& object = m_package.objects[i];
        EXPECT_TRUE(maskFollowsPicture(object.picture, object.mask));
        EXPECT_TRUE(maskFollowsPicture(object.tube, object.tubeMask));
        EXPECT_LE(object.picture.width(), 281);
        EXPECT_LE(object.picture.height(), 265);
        const DefaultTube tube = makeDefaultTube(object.picture.width(), object.picture.height());
        EXPECT_EQ(object.tube, tube.picture);
        EXPECT_EQ(object.tubeMask, tube.mask);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(object.picture, m_package.objects[j].picture) << "and object " << j;
    }
    EXPECT_TRUE(maskFollowsPicture(m_package.boxPicture, m_package.boxMask));
}

TEST_P(ShippedTheme, ObjectsRestInTheirTubesWithoutTouchingThemAndAllLiesOnTheBackground)
{
    ASSERT_TRUE(m_package.background);
    const Surface& canvas = *m_package.background;
    for (std::size_t i = 0; i < m_package.objects.size(); ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        const ThemeObject& object = m_package.objects[i];
        const int restX = object.contX + 5;
        const int restY = object.contY + object.tube.height() - 5 - object.picture.height();
        EXPECT_EQ(object.objX, restX);
        EXPECT_EQ(object.objY, restY);
        EXPECT_FALSE(touchesTubeAtRest(object, restX, restY));
        EXPECT_TRUE(insideCanvas(canvas, restX, restY, object.picture));
        EXPECT_TRUE(insideCanvas(canvas, object.contX, object.contY, object.tube));
    }
    EXPECT_TRUE(insideCanvas(canvas, m_package.boxX, m_package.boxY, m_package.boxPicture));
}

TEST_P(ShippedTheme, SoundCuesAreMonoSixteenBitPcmWaves)
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
}

TEST_P(ShippedTheme, HighScoreFileHoldsThirtyQuotedRecords)
{
    RecordReader reader(readBytes(file(ThemeFiles::kHighScores)));
    for (int i = 0; i < 30; ++i) {
        const std::optional<std::string> line = reader.readLine();
        ASSERT_TRUE(line) << "only " << i << " lines";
        EXPECT_TRUE(line->size() >= 2 && line->front() == '"' && line->back() == '"') << "line " << i + 1;
    }
    EXPECT_TRUE(reader.onlyBlankLinesLeft());
}

INSTANTIATE_TEST_SUITE_P(BothThemes, ShippedTheme, testing::Values("Theme1", "Workshop"));
