#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

struct ThemePackage;

// What any picture of a theme may be, for every program that reads or writes one: far above any real theme, and
// low enough that a hostile one cannot take the machine's memory.
constexpr int kMaxPictureSide = 16384;
// The most that the pictures of one theme may take together as surfaces, and so any one picture.
constexpr std::int64_t kPictureMemoryBudget = 256ll * 1024 * 1024;

// The size of a picture, in pixels.
struct PictureSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    // What a surface of this size takes, at four bytes a pixel; a size no header could honestly give counts as
    // the most there is, instead of overflowing.
    std::int64_t bytes() const
    {
        constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
        if (width <= 0 || height <= 0)
            return 0;
        if (width > kMost / 4 / height)
            return kMost;
        return width * height * 4;
    }
};

// Why one picture of this size cannot be a theme's (a side beyond the limit, or more memory than the budget), in
// words that name the limit; nothing when it can.
std::optional<std::string> pictureLimitProblem(const PictureSize& size);

// The same for the pictures of one theme together: each as above, and their sum within the budget.
std::optional<std::string> themePicturesLimitProblem(const std::vector<PictureSize>& sizes);

// Every picture of the package: four per object, the background when there is one, the box and its mask.
std::vector<PictureSize> pictureSizesOf(const ThemePackage& package);

// The budget as it is told to the user: "256 MiB".
std::string pictureBudgetText();
