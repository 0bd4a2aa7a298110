#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mask_bits.h"
#include "surface.h"
#include "theme_files.h"

constexpr int kMaxObjects = ThemeFiles::kMaxObjects;
constexpr int kBoxSlots = 5;

// Where everything of a round stands, and what is still in play.
struct GameState {
    int lastObject = -1;  // objects are 0 to lastObject
    std::array<std::int16_t, kMaxObjects> objectX{};
    std::array<std::int16_t, kMaxObjects> objectY{};
    std::array<std::int16_t, kMaxObjects> tubeX{};
    std::array<std::int16_t, kMaxObjects> tubeY{};
    std::array<bool, kMaxObjects> inPlay{};
    std::array<bool, kMaxObjects> tubeInPlay{};
    std::array<std::int16_t, kBoxSlots> boxX{};
    std::array<std::int16_t, kBoxSlots> boxY{};
    std::int16_t currentObject = 0;
    std::int16_t currentTube = 0;
    bool gameOver = false;
};

// The pictures of the loaded theme, one element per object.
struct ThemePictures {
    std::vector<Surface> objects;
    std::vector<Surface> objectMasks;
    std::vector<Surface> tubes;
    std::vector<Surface> tubeMasks;
    std::vector<Surface> boxes;  // the container box, element 0
    std::vector<Surface> boxMasks;
    Surface background;         // the background
    Surface lockOutBackground;  // the same background, shown while a slid-back object keeps the pointer locked out
    // The object and tube masks as the wall test reads them.
    std::vector<MaskBits> objectSolid;
    std::vector<MaskBits> tubeSolid;
};
