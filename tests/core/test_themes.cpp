#include "test_themes.h"

#include <gtest/gtest.h>

#include <tuple>

#include "theme_writer.h"

namespace {

// A small picture of its own size and colours, with a black shape pixel so masks differ from pictures.
Surface samplePicture(int seed)
{
    Surface surface(2 + seed % 4, 1 + seed % 3, rgb(seed * 13, 255 - seed, seed * 7));
    surface.setPixel(0, 0, kBlack);
    return surface;
}

auto fields(const ThemeObject& o)
{
    return std::tie(o.objX, o.objY, o.contX, o.contY, o.picture, o.mask, o.tube, o.tubeMask);
}

auto fields(const ThemePackage& p)
{
    return std::tie(p.background, p.boxX, p.boxY, p.boxPicture, p.boxMask, p.hasDetails, p.description, p.dateLine);
}

}  // namespace

ThemePackage samplePackage(int objects)
{
    ThemePackage package;
    for (int i = 0; i < objects; ++i) {
        package.objects.push_back({static_cast<std::int16_t>(10 * i + 1), static_cast<std::int16_t>(20 * i + 2),
                                   static_cast<std::int16_t>(10 * i - 4), static_cast<std::int16_t>(20 * i + 3),
                                   samplePicture(4 * i), samplePicture(4 * i + 1), samplePicture(4 * i + 2),
                                   samplePicture(4 * i + 3)});
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
    for (std::size_t i = 0; i < expected.objects.size(); ++i)
        EXPECT_EQ(fields(actual.objects[i]), fields(expected.objects[i])) << "object " << i;
    EXPECT_EQ(fields(actual), fields(expected));
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

ThemePackage ThemeFolder::load() const
{
    const ThemeReadResult result = read();
    if (!result) {
        ADD_FAILURE() << "the theme does not load: " << result.error().message;
        return {};
    }
    return result.value();
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
