#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

// The most that the pictures of one theme may take together as surfaces, and so any one picture: far above
// any real theme, and low enough that a hostile one cannot take the machine's memory.
constexpr std::int64_t kPictureMemoryBudget = 256ll * 1024 * 1024;

// The size of a picture as its file's header gives it.
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

// The size of the picture in the file, read from its header alone (bitmaps and metafiles by our own reading,
// other formats by the toolkit's), without decoding the picture; nothing when no header gives it.
std::optional<PictureSize> pictureSizeOfFile(const std::string& path);
