#pragma once

#include <cstdint>
#include <vector>

class Surface;

// A mask reduced to one bit per pixel, set where the pixel is solid for the wall test. Made once when a theme
// loads, so the test of every frame reads a thirty-second of the bytes of the mask pictures.
class MaskBits {
public:
    MaskBits() = default;

    // Object masks: solid where exactly black.
    static MaskBits ofObjectMask(const Surface& mask);
    // Tube masks: solid where the overlap surface's raster sequence turns the pixel white, which is where no
    // bit of the overlap surface's background colour is set: black, and any colour with red below 64.
    static MaskBits ofTubeMask(const Surface& mask, std::uint32_t overlapBackground);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // The `count` bits (1 to 64) of row y from column x on, bit 0 for column x; columns outside the mask
    // read as 0. Inline: the wall test calls it a few thousand times a frame.
    std::uint64_t bitsAt(int x, int y, int count) const
    {
        if (y < 0 || y >= m_height || x >= m_width || x + count <= 0)
            return 0;
        int missing = 0;
        if (x < 0) {
            missing = -x;
            count -= missing;
            x = 0;
        }
        const std::uint64_t* words = m_words.data() + static_cast<std::size_t>(y) * m_wordsPerRow + x / 64;
        const int shift = x % 64;
        std::uint64_t value = words[0] >> shift;
        if (shift != 0)
            value |= words[1] << (64 - shift);
        if (count < 64)
            value &= (std::uint64_t{1} << count) - 1;
        return value << missing;
    }

private:
    template <typename IsSolid>
    static MaskBits from(const Surface& mask, IsSolid isSolid);

    int m_width = 0;
    int m_height = 0;
    int m_wordsPerRow = 0;
    std::vector<std::uint64_t> m_words;
};
