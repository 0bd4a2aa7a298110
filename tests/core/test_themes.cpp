#include "test_themes.h"

#include <gtest/gtest.h>

#include "theme_writer.h"

namespace {

// A small picture of its own size and colours, with a black shape pixel so masks differ from pictures.
Surface samplePicture(int seed)
{
    Surface surface(2 + seed % 4, 1 + seed % 3, rgb(seed * 13, 255 - seed, seed * 7));
    surface.setPixel(0, 0, kBlack);
    return surface;
}

}  // namespace

ThemePackage samplePackage(int objects)
{
    ThemePackage package;
    for (int i = 0; i < objects; ++i) {
        ThemeObject object;
        object.objX = static_cast<std::int16_t>(10 * i + 1);
        object.objY = static_cast<std::int16_t>(20 * i + 2);
        object.contX = static_cast<std::int16_t>(10 * i - 4);
        object.contY = static_cast<std::int16_t>(20 * i + 3);
        object.picture = samplePicture(4 * i);
        object.mask = samplePicture(4 * i + 1);
        object.tube = samplePicture(4 * i + 2);
        object.tubeMask = samplePicture(4 * i + 3);
        package.objects.push_back(object);
    }
    if (objects > 0)
        package.background = Surface(24, 16, 0x2E8B57);
    package.boxX = 300;
    package.boxY = 200;
    package.boxPicture = samplePicture(101);
    package.boxMask = samplePicture(102);
    package.hasDetails = true;
    package.description = "A quiet meadow";
    package.dateLine = "On the 3/4/2024";
    return package;
}

void expectSamePackage(const ThemePackage& actual, const ThemePackage& expected)
{
    ASSERT_EQ(actual.objects.size(), expected.objects.size());
    for (std::size_t i = 0; i < expected.objects.size(); ++i) {
        const ThemeObject& a = actual.objects[i];
        const ThemeObject& e = expected.objects[i];
        EXPECT_EQ(a.objX, e.objX) << "object " << i;
        EXPECT_EQ(a.objY, e.objY) << "object " << i;
        EXPECT_EQ(a.contX, e.contX) << "object " << i;
        EXPECT_EQ(a.contY, e.contY) << "object " << i;
        EXPECT_EQ(a.picture, e.picture) << "object " << i;
        EXPECT_EQ(a.mask, e.mask) << "object " << i;
        EXPECT_EQ(a.tube, e.tube) << "object " << i;
        EXPECT_EQ(a.tubeMask, e.tubeMask) << "object " << i;
    }
    EXPECT_EQ(actual.background, expected.background);
    EXPECT_EQ(actual.boxX, expected.boxX);
    EXPECT_EQ(actual.boxY, expected.boxY);
    EXPECT_EQ(actual.boxPicture, expected.boxPicture);
    EXPECT_EQ(actual.boxMask, expected.boxMask);
    EXPECT_EQ(actual.hasDetails, expected.hasDetails);
    EXPECT_EQ(actual.description, expected.description);
    EXPECT_EQ(actual.dateLine, expected.dateLine);
}

void ThemeFolder::write(const ThemePackage& package) const
{
    const std::vector<std::string> failures = writeThemePackage(folder(), package);
    EXPECT_TRUE(failures.empty()) << failures.front();
}

ThemeReadResult ThemeFolder::read() const
{
    return readThemePackage(programFolder(), kName);
}

void expectLoadFailure(const ThemeReadResult& result, ThemeLoadProblem problem,
                       std::initializer_list<std::string> parts)
{
    ASSERT_FALSE(result) << "the theme loaded";
    EXPECT_EQ(result.error().problem, problem) << result.error().message;
    for (const std::string& part : parts)
        EXPECT_NE(result.error().message.find(part), std::string::npos)
            << "\"" << part << "\" not in: " << result.error().message;
}
