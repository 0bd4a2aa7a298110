#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "raster_op.h"

// A colour as 0x00RRGGBB: 8 bits per channel, nothing in the top byte.
using Rgb = std::uint32_t;

constexpr Rgb kWhite = 0x00FFFFFF;
constexpr Rgb kBlack = 0x00000000;

constexpr Rgb rgb(int r, int g, int b)
{
    return (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) | static_cast<Rgb>(b & 0xFF);
}

// A persistent picture of width x height 24-bit pixels with a background colour of its own, the
// drawing target of every raster operation in both programs.
//
// Copies share their pixels until one of them is written to: every access that may write (setPixel, clear,
// resize, the non-const row) first takes a buffer of its own when another surface still shares it. So a copy of
// a picture costs nothing until it is drawn on, and a picture kept in several places is held once.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Rgb background = kWhite);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }

    Rgb backgroundColor() const { return m_background; }
    void setBackgroundColor(Rgb colour) { m_background = colour & kWhite; }

    // The colour at (x, y), or nothing outside the surface.
    std::optional<Rgb> pixel(int x, int y) const;
    // Does nothing outside the surface.
    void setPixel(int x, int y, Rgb colour);

    // Fills the whole surface with its background colour.
    void clear();
    // New size; what lies in both the old and the new rectangle is kept, new area takes the background colour.
    // Negative sizes count as 0.
    void resize(int width, int height);

    const Rgb* row(int y) const { return m_pixels.get() + static_cast<std::size_t>(y) * m_width; }
    // For writing: the pixels become this surface's own first.
    Rgb* row(int y)
    {
        detach();
        return m_pixels.get() + static_cast<std::size_t>(y) * m_width;
    }

    // Both hold the very same pixels in memory, not merely equal ones.
    bool sharesPixelsWith(const Surface& other) const { return m_pixels && m_pixels == other.m_pixels; }

    bool operator==(const Surface& other) const;
    bool operator!=(const Surface& other) const { return !(*this == other); }

private:
    std::size_t pixelCount() const { return static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height); }
    // Gives this surface pixels of its own when others share them.
    void detach()
    {
        if (m_pixels.use_count() > 1)
            copyPixels();
    }
    void copyPixels();

    int m_width = 0;
    int m_height = 0;
    Rgb m_background = kWhite;
    // Null while the surface has no pixels.
    std::shared_ptr<Rgb[]> m_pixels;
};

// Block copy of the w x h rectangle at (srcX, srcY) of src onto dest at (destX, destY) with a raster operation.
// Clipped as a memory device context clips: a pixel changes only when it lies inside dest and its source pixel
// lies inside src; everything else of the rectangle is left alone. src and dest may be the same surface.
void blit(Surface& dest, int destX, int destY, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op);
