#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "picture_limits.h"

bool looksLikeBitmap(std::string_view bytes);

// The width and the number of rows a bitmap's header gives, read from its first bytes alone; nothing when the
// header cannot be read. Whether the rest of the file holds them is for checkBitmap.
struct BitmapSize {
    std::int64_t width;
    std::int64_t rows;
};
std::optional<BitmapSize> bitmapSize(std::string_view headerBytes);

// Checks a Windows bitmap file's headers against its length before any decoder sees it: a header that
// claims an absurd size, an unknown layout, or pixel data that ends before the header says it should.
// Returns the reason the file is unusable, or nothing when it may be decoded.
std::optional<std::string> checkBitmap(std::string_view bytes);

// Bits per colour channel of a 16- or 32-bit bitmap whose channels are narrower than 8 bits (5-5-5 or 5-6-5);
// nothing for any other bitmap. The header must have passed checkBitmap.
struct ChannelWidths {
    int red = 8;
    int green = 8;
    int blue = 8;
};
std::optional<ChannelWidths> narrowChannelWidths(std::string_view bytes);
