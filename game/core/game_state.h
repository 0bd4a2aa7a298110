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
    int LastObj = -1;  // objects are 0 to LastObj
    std::array<std::int16_t, kMaxObjects> ObjX{};
    std::array<std::int16_t, kMaxObjects> ObjY{};
    std::array<std::int16_t, kMaxObjects> ContX{};
    std::array<std::int16_t, kMaxObjects> ContY{};
    std::array<bool, kMaxObjects> ObjActive{};
    std::array<bool, kMaxObjects> ContActive{};
    std::array<std::int16_t, kBoxSlots> BoxX{};
    std::array<std::int16_t, kBoxSlots> BoxY{};
    std::int16_t CurObj = 0;
    std::int16_t CurCont = 0;
    bool GameOver = false;
};

// The pictures of the loaded theme, one element per object.
struct ThemePictures {
    std::vector<Surface> PicSprite;
    std::vector<Surface> PicMask;
    std::vector<Surface> PicCont;
    std::vector<Surface> PicContMask;
    std::vector<Surface> PicPlainSprite;  // the container box, element 0
    std::vector<Surface> PicPlainMask;
    Surface picBg1;  // the background
    Surface picBG2;  // the same background, shown while a slid-back object keeps the pointer locked out
    // The object and tube masks as the wall test reads them.
    std::vector<MaskBits> objectSolid;
    std::vector<MaskBits> tubeSolid;
};
