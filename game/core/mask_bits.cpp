#include "mask_bits.h"

#include "surface.h"

namespace {

constexpr int kWordBits = 64;

}  // namespace

template <typename IsSolid>
MaskBits MaskBits::from(const Surface& mask, IsSolid isSolid)
{
    MaskBits bits;
    bits.m_width = mask.width();
    bits.m_height = mask.height();
    // One spare word per row lets bitsAt read two neighbouring words without checking the row's end.
    bits.m_wordsPerRow = (mask.width() + kWordBits - 1) / kWordBits + 1;
    bits.m_words.assign(static_cast<std::size_t>(bits.m_wordsPerRow) * mask.height(), 0);
    for (int y = 0; y < mask.height(); ++y) {
        const Rgb* row = mask.row(y);
        std::uint64_t* words = bits.m_words.data() + static_cast<std::size_t>(y) * bits.m_wordsPerRow;
        for (int x = 0; x < mask.width(); ++x) {
            if (isSolid(row[x]))
                words[x / kWordBits] |= std::uint64_t{1} << (x % kWordBits);
        }
    }
    return bits;
}

MaskBits MaskBits::ofObjectMask(const Surface& mask)
{
    return from(mask, [](Rgb pixel) { return pixel == kBlack; });
}

MaskBits MaskBits::ofTubeMask(const Surface& mask, std::uint32_t overlapBackground)
{
    return from(mask, [overlapBackground](Rgb pixel) { return (pixel & overlapBackground) == 0; });
}
