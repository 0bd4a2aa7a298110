#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "theme_package.h"

// Small crafted themes for tests.

// A package of `count` square objects of side `side`, each in the default tube and standing at rest in it, in a
// row along the bottom of a `width` x `height` background, and a container box at the top right.
ThemePackage makeRowTheme(int count, int side = 10, int width = 200, int height = 120);

// Writes the package as theme `name` under `programFolder`; fails the test if any file cannot be written.
void writeTheme(const std::string& programFolder, const std::string& name, const ThemePackage& package);

// All that a package holds but its sounds, in a form that can be compared and printed.
inline auto packageFields(const ThemePackage& p)
{
    std::vector<std::tuple<int, int, int, int, Surface, Surface, Surface, Surface>> objects;
    for (const ThemeObject& o : p.objects)
        objects.emplace_back(o.x, o.y, o.tubeX, o.tubeY, o.picture, o.mask, o.tube, o.tubeMask);
    return std::tuple(objects, p.background, p.boxX, p.boxY, p.boxPicture, p.boxMask, p.hasDetails, p.description,
                      p.dateLine);
}
