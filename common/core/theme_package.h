#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "surface.h"

// One object of a theme: where its picture and its tube stand, and the four pictures.
struct ThemeObject {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t tubeX = 0;
    std::int16_t tubeY = 0;
    Surface picture;
    Surface mask;
    Surface tube;
    Surface tubeMask;
};

// Full paths of the four sound cues; the files need not exist.
struct ThemeSounds {
    std::string hitTube;
    std::string putInCont;
    std::string pickup;
    std::string letGo;
};

// Everything one theme folder holds, read in one piece.
struct ThemePackage {
    std::vector<ThemeObject> objects;
    // Read together with the objects, so a package without objects has none.
    std::optional<Surface> background;
    std::int16_t boxX = 0;
    std::int16_t boxY = 0;
    Surface boxPicture;
    Surface boxMask;
    bool hasDetails = false;
    std::string description;
    std::string dateLine;
    // The details file ends inside a quoted text: what stands above is kept, but it may not be all there was.
    bool detailsCutShort = false;
    ThemeSounds sounds;
};
