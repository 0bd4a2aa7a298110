#include "surface.h"

#include <algorithm>
#include <cstring>

Surface::Surface(int width, int height, Rgb background)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_background(background & kWhite)
{
    if (pixelCount() == 0)
        return;
    m_pixels.reset(new Rgb[pixelCount()]);
    std::fill_n(m_pixels.get(), pixelCount(), m_background);
}

void Surface::copyPixels()
{
    std::shared_ptr<Rgb[]> own(new Rgb[pixelCount()]);
    std::copy_n(m_pixels.get(), pixelCount(), own.get());
    m_pixels = std::move(own);
}

std::optional<Rgb> Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return std::nullopt;
    return row(y)[x];
}

void Surface::setPixel(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    row(y)[x] = colour & kWhite;
}

void Surface::clear()
{
    if (m_pixels.use_count() > 1)
        m_pixels.reset(new Rgb[pixelCount()]);
    std::fill_n(m_pixels.get(), pixelCount(), m_background);
}

void Surface::resize(int width, int height)
{
    Surface resized(width, height, m_background);
    const int keptWidth = std::min(m_width, resized.m_width);
    // A surface without columns may still count rows but has no pixel buffer, and memcpy must not see null.
    const int keptHeight = keptWidth > 0 ? std::min(m_height, resized.m_height) : 0;
    // Read through a const view: this surface's pixels are only read here, even when others share them.
    const Surface& kept = *this;
    for (int y = 0; y < keptHeight; ++y)
        std::memcpy(resized.row(y), kept.row(y), sizeof(Rgb) * keptWidth);
    *this = std::move(resized);
}

bool Surface::operator==(const Surface& other) const
{
    if (m_width != other.m_width || m_height != other.m_height)
        return false;
    return m_pixels == other.m_pixels ||
           std::equal(m_pixels.get(), m_pixels.get() + pixelCount(), other.m_pixels.get());
}

namespace {

// One rectangle whose every pixel lies inside both surfaces.
struct ClippedCopy {
    int destX, destY, srcX, srcY, w, h;
};

// Clips one axis: the run of `length` pixels starting at dest `d` and source `s` shrinks until it lies inside
// [0, destLimit) and [0, srcLimit). Works in 64 bits so extreme arguments cannot overflow.
bool clipAxis(long long d, long long s, long long length, long long destLimit, long long srcLimit, int& clippedDest,
              int& clippedSrc, int& clippedLength)
{
    const long long shift = std::max(0LL, std::max(-d, -s));
    d += shift;
    s += shift;
    length = std::min({length - shift, destLimit - d, srcLimit - s});
    if (length <= 0)
        return false;
    clippedDest = static_cast<int>(d);
    clippedSrc = static_cast<int>(s);
    clippedLength = static_cast<int>(length);
    return true;
}

bool clip(ClippedCopy& c, const Surface& dest, const Surface& src)
{
    return clipAxis(c.destX, c.srcX, c.w, dest.width(), src.width(), c.destX, c.srcX, c.w) &&
           clipAxis(c.destY, c.srcY, c.h, dest.height(), src.height(), c.destY, c.srcY, c.h);
}

// One row of each combining operation. Source and destination rows never overlap here (a copy onto itself
// goes through a copy), which lets the compiler vectorize the loops, with AVX2 where the processor has it.
__attribute__((target_clones("avx2", "default"))) void mergePaintRow(const Rgb* __restrict s, Rgb* __restrict d, int w)
{
    for (int x = 0; x < w; ++x)
        d[x] = (~s[x] | d[x]) & kWhite;
}

__attribute__((target_clones("avx2", "default"))) void srcAndRow(const Rgb* __restrict s, Rgb* __restrict d, int w)
{
    for (int x = 0; x < w; ++x)
        d[x] &= s[x];
}

__attribute__((target_clones("avx2", "default"))) void srcInvertRow(const Rgb* __restrict s, Rgb* __restrict d, int w)
{
    for (int x = 0; x < w; ++x)
        d[x] ^= s[x];
}

using RowOperation = void (*)(const Rgb*, Rgb*, int);

void combineRows(Surface& dest, const Surface& src, const ClippedCopy& c, RowOperation rowOperation)
{
    for (int y = 0; y < c.h; ++y)
        rowOperation(src.row(c.srcY + y) + c.srcX, dest.row(c.destY + y) + c.destX, c.w);
}

void blitClipped(Surface& dest, const Surface& src, const ClippedCopy& c, RasterOp op)
{
    switch (op) {
        case RasterOp::SrcCopy:
            for (int y = 0; y < c.h; ++y)
                std::memmove(dest.row(c.destY + y) + c.destX, src.row(c.srcY + y) + c.srcX, sizeof(Rgb) * c.w);
            return;
        case RasterOp::MergePaint:
            combineRows(dest, src, c, mergePaintRow);
            return;
        case RasterOp::SrcAnd:
            combineRows(dest, src, c, srcAndRow);
            return;
        case RasterOp::SrcInvert:
            combineRows(dest, src, c, srcInvertRow);
            return;
    }
}

}  // namespace

void blit(Surface& dest, int destX, int destY, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op)
{
    ClippedCopy c{destX, destY, srcX, srcY, w, h};
    if (!clip(c, dest, src))
        return;
    if (&dest == &src) {
        // Rows of an overlapping copy onto itself would read pixels already written.
        const Surface copy = src;
        blitClipped(dest, copy, c, op);
        return;
    }
    blitClipped(dest, src, c, op);
}
