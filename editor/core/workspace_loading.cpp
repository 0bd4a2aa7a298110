#include "workspace_loading.h"

#include <algorithm>
#include <cmath>

#include "default_tube.h"
#include "workspace.h"

namespace {

constexpr int kStarterObjectSide = 24;
constexpr Rgb kStarterObjectColour = rgb(200, 40, 40);
constexpr int kStarterBoxWidth = 72;
constexpr int kStarterBoxHeight = 48;
constexpr Rgb kStarterBoxColour = rgb(150, 100, 50);

// A disc on white: the editor derives its mask from the white corner.
Surface drawDisc(int side, Rgb colour)
{
    Surface disc(side, side, kWhite);
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (std::hypot(x - centre, y - centre) <= side / 2.0)
                disc.setPixel(x, y, colour);
    return disc;
}

// An open box seen from the front: a filled body with a white rim row on top.
Surface drawBox(int width, int height, Rgb colour)
{
    Surface box(width, height, kWhite);
    for (int y = 1; y < height; ++y)
        for (int x = 0; x < width; ++x)
            box.setPixel(x, y, colour);
    return box;
}

Surface blackWhereNotWhite(const Surface& picture)
{
    Surface mask(picture.width(), picture.height(), kWhite);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != kWhite)
                mask.setPixel(x, y, kBlack);
    return mask;
}

}  // namespace

void applyThemePackage(Workspace& workspace, ThemePackage package)
{
    if (!package.objects.empty())
        workspace.objects.clear();
    else
        workspace.objects.resize(1);
    for (std::size_t i = 0; i < package.objects.size(); ++i) {
        ThemeObject& object = package.objects[i];
        workspace.objectX[i] = object.x;
        workspace.objectY[i] = object.y;
        workspace.tubeX[i] = object.tubeX;
        workspace.tubeY[i] = object.tubeY;
        workspace.objects.push_back(
            {std::move(object.picture), std::move(object.mask), std::move(object.tube), std::move(object.tubeMask)});
    }
    if (package.background) {
        workspace.background = std::move(*package.background);
        workspace.canvasWidth = workspace.background.width();
        workspace.canvasHeight = workspace.background.height();
    }
    workspace.boxX = package.boxX;
    workspace.boxY = package.boxY;
    workspace.box = std::move(package.boxPicture);
    workspace.boxMask = std::move(package.boxMask);
}

ThemePackage starterTheme(int canvasWidth, int canvasHeight)
{
    ThemePackage package;
    ThemeObject object;
    object.picture = drawDisc(kStarterObjectSide, kStarterObjectColour);
    object.mask = blackWhereNotWhite(object.picture);
    DefaultTube tube = makeDefaultTube(kStarterObjectSide, kStarterObjectSide);
    // The object rests in its tube near the bottom left, as a release on the canvas would place the tube.
    object.tubeX = 16;
    object.tubeY = static_cast<std::int16_t>(std::max(0, canvasHeight - tube.picture.height() - 16));
    object.x = static_cast<std::int16_t>(object.tubeX + 5);
    object.y = static_cast<std::int16_t>(object.tubeY + tube.picture.height() - 5 - kStarterObjectSide);
    object.tube = std::move(tube.picture);
    object.tubeMask = std::move(tube.mask);
    package.objects.push_back(std::move(object));
    package.background = Surface(canvasWidth, canvasHeight, kWhite);
    package.boxPicture = drawBox(kStarterBoxWidth, kStarterBoxHeight, kStarterBoxColour);
    package.boxMask = blackWhereNotWhite(package.boxPicture);
    package.boxX = static_cast<std::int16_t>(std::max(0, canvasWidth - kStarterBoxWidth - 16));
    package.boxY = 16;
    return package;
}
