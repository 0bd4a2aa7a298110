// round_plan: prints how a hand plays a whole round of a theme, so that a script can play it through the real
// window. One line per object, in canvas pixels: the point over its tube that makes it current, the point on a
// solid pixel of the object where the button goes down, the point above the tube that lifts it clear, and the
// point that puts the object in the container box.
// Usage: round_plan THEME_FOLDER

#include <iostream>

#include "theme_reader.h"

namespace {

// A solid pixel of the mask near its centre, where a press picks the object up, with a solid pixel above it: the
// first move with the button down goes one pixel up, and only a move over a solid pixel starts the carry. An
// object with a hole in its middle (a nut, a washer) has no such pixel at its centre.
std::pair<int, int> solidPointOf(const Surface& mask)
{
    const int cx = mask.width() / 2;
    const int cy = mask.height() / 2;
    for (int radius = 0; radius < mask.width() + mask.height(); ++radius)
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                if (mask.pixel(cx + dx, cy + dy) == kBlack && mask.pixel(cx + dx, cy + dy - 1) == kBlack)
                    return {cx + dx, cy + dy};
    return {cx, cy};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: round_plan THEME_FOLDER\n";
        return 2;
    }
    const ThemeReadResult theme = readThemeFolder(argv[1], "planned");
    if (!theme) {
        std::cerr << "round_plan: " << theme.error().message << "\n";
        return 1;
    }
    const ThemePackage& package = theme.value();
    for (const ThemeObject& object : package.objects) {
        const auto [gripX, gripY] = solidPointOf(object.mask);
        const int pressX = object.x + gripX;
        const int pressY = object.y + gripY;
        const int boxX = package.boxX + (package.boxPicture.width() - object.mask.width()) / 2 + gripX;
        const int boxY = package.boxY + (package.boxPicture.height() - object.mask.height()) / 2 + gripY;
        std::cout << object.tubeX + 1 << ' ' << object.tubeY + 1 << ' ' << pressX << ' ' << pressY << ' ' << pressX
                  << ' ' << pressY - object.tube.height() - 4 << ' ' << boxX << ' ' << boxY << '\n';
    }
    return 0;
}
