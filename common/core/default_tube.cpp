#include "default_tube.h"

#include <algorithm>

namespace {

// Both walls run the full height; the floor joins them along the bottom.
void drawU(Surface& surface, Rgb colour)
{
    const int w = surface.width();
    const int h = surface.height();
    for (int y = 0; y < h; ++y) {
        Rgb* line = surface.row(y);
        const bool floor = y >= h - kDefaultTubeWall;
        for (int x = 0; x < w; ++x) {
            if (floor || x < kDefaultTubeWall || x >= w - kDefaultTubeWall)
                line[x] = colour;
        }
    }
}

}  // namespace

int defaultTubeWidth(int objectWidth)
{
    return std::max(objectWidth, 0) + 14;
}

int defaultTubeHeight(int objectHeight)
{
    return 2 * std::max(objectHeight, 0) + 2;
}

DefaultTube makeDefaultTube(int objectWidth, int objectHeight)
{
    const int w = defaultTubeWidth(objectWidth);
    const int h = defaultTubeHeight(objectHeight);
    DefaultTube tube{Surface(w, h, kWhite), Surface(w, h, kWhite)};
    drawU(tube.picture, kDefaultTubeColour);
    drawU(tube.mask, kBlack);
    return tube;
}
