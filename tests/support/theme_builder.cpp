#include "theme_builder.h"

#include <gtest/gtest.h>

#include "default_tube.h"
#include "file_lookup.h"
#include "theme_writer.h"

ThemePackage makeRowTheme(int count, int side, int width, int height)
{
    ThemePackage package;
    package.background = Surface(width, height, rgb(30, 90, 30));
    for (int i = 0; i < count; ++i) {
        DefaultTube tube = makeDefaultTube(side, side);
        const auto tubeX = static_cast<std::int16_t>(4 + i * (side + 20));
        const auto tubeY = static_cast<std::int16_t>(height - tube.picture.height() - 2);
        package.objects.push_back({static_cast<std::int16_t>(tubeX + kDefaultTubeWall),
                                   static_cast<std::int16_t>(tubeY + tube.picture.height() - kDefaultTubeWall - side),
                                   tubeX, tubeY, Surface(side, side, rgb(200, 10 * i, 0)), Surface(side, side, kBlack),
                                   std::move(tube.picture), std::move(tube.mask)});
    }
    package.boxPicture = Surface(40, 30, rgb(150, 75, 0));
    package.boxMask = Surface(40, 30, kBlack);
    package.boxX = static_cast<std::int16_t>(width - 50);
    package.boxY = 5;
    package.hasDetails = true;
    package.description = "A crafted theme";
    package.dateLine = "On the 1st";
    return package;
}

void writeTheme(const std::string& programFolder, const std::string& name, const ThemePackage& package)
{
    const std::vector<std::string> failures = writeThemePackage(joinPath(programFolder, name), package);
    ASSERT_TRUE(failures.empty()) << failures.front();
}
