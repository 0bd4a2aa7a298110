#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "prompts.h"
#include "surface.h"
#include "theme_files.h"

// The four pictures of one object: its picture, the picture's mask, its tube and the tube's mask.
struct ObjectPictures {
    Surface picture;
    Surface mask;
    Surface tube;
    Surface tubeMask;
};

inline bool operator==(const ObjectPictures& a, const ObjectPictures& b)
{
    return std::tie(a.picture, a.mask, a.tube, a.tubeMask) == std::tie(b.picture, b.mask, b.tube, b.tubeMask);
}

// The canvas's size until a background is chosen with Change Background.
constexpr int kInitialCanvasWidth = 305;
constexpr int kInitialCanvasHeight = 241;

// The theme being edited. There is always at least one object; the number of objects is the number of
// entries of `objects`, and position slots beyond the last object keep whatever they last held.
struct Workspace {
    std::array<std::int16_t, ThemeFiles::kMaxObjects> objectX{};
    std::array<std::int16_t, ThemeFiles::kMaxObjects> objectY{};
    std::array<std::int16_t, ThemeFiles::kMaxObjects> tubeX{};
    std::array<std::int16_t, ThemeFiles::kMaxObjects> tubeY{};
    std::int16_t boxX = 0;
    std::int16_t boxY = 0;
    bool showBox = true;
    std::int16_t currentObject = 0;
    std::vector<ObjectPictures> objects = std::vector<ObjectPictures>(1);

    // The background as it was loaded or chosen, whole: this is what a save writes. The canvas shows it cut
    // or extended with white to the canvas's size.
    Surface background;
    Surface box;      // the container box
    Surface boxMask;  // and its mask
    int canvasWidth = kInitialCanvasWidth;
    int canvasHeight = kInitialCanvasHeight;

    // The theme's name (its folder's), description and date line, from the last load or save, which its next save
    // offers; nothing for a workspace that is no saved theme yet: the default theme at start-up, or after New.
    std::optional<ThemeDescription> themeDescription;

    int objectCount() const { return static_cast<int>(objects.size()); }
    const ObjectPictures& current() const { return objects[static_cast<std::size_t>(currentObject)]; }
};
