#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "default_tube.h"
#include "file_lookup.h"
#include "records.h"
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

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

bool solid(const Surface& mask, int x, int y)
{
    return mask.pixel(x, y) == kBlack;
}

::testing::AssertionResult maskFollowsPicture(const Surface& picture, const Surface& mask)
{
    if (picture.width() != mask.width() || picture.height() != mask.height())
        return ::testing::AssertionFailure() << "the mask has another size than its picture";
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool shape = picture.pixel(x, y) != kWhite;
            if (mask.pixel(x, y) != (shape ? kBlack : kWhite))
                return ::testing::AssertionFailure() << "the mask is wrong at " << x << "," << y;
        }
    }
    return ::testing::AssertionSuccess();
}

int solidPixels(const Surface& mask)
{
    int count = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            count += solid(mask, x, y) ? 1 : 0;
    return count;
}

bool touchesTubeAtRest(const ThemeObject& object, int restX, int restY)
{
    for (int y = 0; y < object.mask.height(); ++y)
        for (int x = 0; x < object.mask.width(); ++x)
            if (solid(object.mask, x, y) && solid(object.tubeMask, restX + x - object.contX, restY + y - object.contY))
                return true;
    return false;
}

bool insideCanvas(const Surface& canvas, int x, int y, const Surface& picture)
{
    return x >= 0 && y >= 0 && x + picture.width() <= canvas.width() && y + picture.height() <= canvas.height();
}

class ShippedTheme : public ::testing::TestWithParam<std::string> {
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

TEST_P(ShippedTheme, BackgroundIsADrawnSceneAndDetailsAreThere)
{
    ASSERT_TRUE(m_package.background);
    std::set<Rgb> colours;
    for (int y = 0; y < m_package.background->height(); ++y)
        for (int x = 0; x < m_package.background->width(); ++x)
            colours.insert(*m_package.background->pixel(x, y));
    EXPECT_GT(colours.size(), 500u);
    EXPECT_TRUE(m_package.hasDetails);
    EXPECT_NE(m_package.description.find("\r\n"), std::string::npos);
    EXPECT_EQ(m_package.dateLine.rfind("On the ", 0), 0u);
}

TEST_P(ShippedTheme, EveryMaskIsBlackExactlyWhereItsPictureIsNotWhite)
{
    for (std::size_t i = 0; i < m_package.objects.size(); ++i) {
        const ThemeObject& object = m_package.objects[i];
        EXPECT_TRUE(maskFollowsPicture(object.picture, object.mask)) << "object " << i;
        EXPECT_TRUE(maskFollowsPicture(object.tube, object.tubeMask)) << "tube " << i;
        EXPECT_LE(object.mask.width(), 281) << "object " << i;
        EXPECT_LE(object.mask.height(), 265) << "object " << i;
    }
    EXPECT_TRUE(maskFollowsPicture(m_package.boxPicture, m_package.boxMask));
}

TEST_P(ShippedTheme, ObjectsAreDistinctFiguresInDefaultTubes)
{
    for (std::size_t i = 0; i < m_package.objects.size(); ++i) {
        const ThemeObject& object = m_package.objects[i];
        const int area = object.picture.width() * object.picture.height();
        EXPECT_GT(solidPixels(object.mask), area / 4) << "object " << i << " is hardly there";
        EXPECT_LT(solidPixels(object.mask), area) << "object " << i << " is a plain block";
        const DefaultTube tube = makeDefaultTube(object.picture.width(), object.picture.height());
        EXPECT_EQ(object.tube, tube.picture) << "tube " << i;
        EXPECT_EQ(object.tubeMask, tube.mask) << "tube " << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(object.picture, m_package.objects[j].picture) << "objects " << j << " and " << i;
    }
}

TEST_P(ShippedTheme, ObjectsStartAtRestWithoutTouchingTheirTubes)
{
    for (std::size_t i = 0; i < m_package.objects.size(); ++i) {
        const ThemeObject& object = m_package.objects[i];
        const int restX = object.contX + 5;
        const int restY = object.contY + object.tube.height() - 5 - object.picture.height();
        EXPECT_EQ(object.objX, restX) << "object " << i;
        EXPECT_EQ(object.objY, restY) << "object " << i;
        EXPECT_FALSE(touchesTubeAtRest(object, restX, restY)) << "object " << i;
    }
}

TEST_P(ShippedTheme, RestingPlacesTubesAndBoxLieOnTheBackground)
{
    ASSERT_TRUE(m_package.background);
    const Surface& canvas = *m_package.background;
    for (std::size_t i = 0; i < m_package.objects.size(); ++i) {
        const ThemeObject& object = m_package.objects[i];
        const int restX = object.contX + 5;
        const int restY = object.contY + object.tube.height() - 5 - object.picture.height();
        EXPECT_TRUE(insideCanvas(canvas, restX, restY, object.picture)) << "object " << i;
        EXPECT_TRUE(insideCanvas(canvas, object.contX, object.contY, object.tube)) << "tube " << i;
    }
    EXPECT_TRUE(insideCanvas(canvas, m_package.boxX, m_package.boxY, m_package.boxPicture));
}

TEST_P(ShippedTheme, SoundCuesAreMonoSixteenBitPcmWaves)
{
    for (const std::string& name :
         {ThemeFiles::kPickupSound, ThemeFiles::kLetGoSound, ThemeFiles::kHitTubeSound, ThemeFiles::kPutInContSound}) {
        const std::string bytes = readBytes(file(name));
        ASSERT_GT(bytes.size(), 44u) << name;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
        EXPECT_EQ(littleEndian(bytes, 4, 4), bytes.size() - 8) << name;
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << name;
        EXPECT_EQ(littleEndian(bytes, 20, 2), 1u) << name << ": not PCM";
        EXPECT_EQ(littleEndian(bytes, 22, 2), 1u) << name << ": not mono";
        EXPECT_EQ(littleEndian(bytes, 24, 4), 22050u) << name;
        EXPECT_EQ(littleEndian(bytes, 34, 2), 16u) << name;
        EXPECT_EQ(bytes.substr(36, 4), "data") << name;
        EXPECT_EQ(littleEndian(bytes, 40, 4), bytes.size() - 44) << name;
    }
}

TEST_P(ShippedTheme, HighScoreFileHoldsThirtyQuotedRecords)
{
    const std::string text = readBytes(file(ThemeFiles::kHighScores));
    ASSERT_FALSE(text.empty());
    RecordReader reader(text);
    for (int i = 0; i < 30; ++i) {
        const std::optional<std::string> line = reader.readLine();
        ASSERT_TRUE(line) << "only " << i << " lines";
        EXPECT_GE(line->size(), 2u);
        EXPECT_EQ(line->front(), '"') << "line " << i + 1;
        EXPECT_EQ(line->back(), '"') << "line " << i + 1;
    }
    EXPECT_TRUE(reader.onlyBlankLinesLeft());
}

INSTANTIATE_TEST_SUITE_P(BothThemes, ShippedTheme, ::testing::Values("Theme1", "Workshop"));
