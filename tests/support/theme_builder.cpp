#include "theme_builder.h"

#include <gtest/gtest.h>

#include "file_lookup.h"
#include "theme_writer.h"

void makeSolidObject(ThemeObject& object, int w, int h, Rgb colour)
{
    object.picture = Surface(w, h, colour);
    object.mask = Surface(w, h, kBlack);
}

void makeTube(ThemeObject& object, int objectW, int objectH)
{
    const int w = objectW + 14;
    const int h = 2 * objectH + 2;
    object.tube = Surface(w, h, kWhite);
    object.tubeMask = Surface(w, h, kWhite);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (x < 5 || x >= w - 5 || y >= h - 5) {
                object.tube.setPixel(x, y, rgb(0, 255, 255));
                object.tubeMask.setPixel(x, y, kBlack);
            }
        }
    }
}

ThemePackage makeRowTheme(int count, int side, int width, int height)
{
    ThemePackage package;
    package.background = Surface(width, height, rgb(30, 90, 30));
    for (int i = 0; i < count; ++i) {
        ThemeObject object;
        makeSolidObject(object, side, side, rgb(200, 10 * i, 0));
        makeTube(object, side, side);
        object.contX = static_cast<std::int16_t>(4 + i * (side + 20));
        object.contY = static_cast<std::int16_t>(height - object.tube.height() - 2);
        object.objX = static_cast<std::int16_t>(object.contX + 5);
        object.objY = static_cast<std::int16_t>(object.contY + object.tube.height() - 5 - side);
        package.objects.push_back(std::move(object));
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
