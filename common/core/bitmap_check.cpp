#include "bitmap_check.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

std::uint32_t readU32(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

std::uint16_t readU16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1])
                                                                                 << 8);
}

struct BitmapHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for top-down rows
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t imageSize = 0;
};

std::optional<std::string> readHeader(std::string_view bytes, BitmapHeader& header)
{
    if (bytes.size() < kFileHeaderSize + 4)
        return std::string("the file ends inside its header");
    const std::uint32_t infoSize = readU32(bytes, kFileHeaderSize);
    if (infoSize != kCoreHeaderSize && infoSize < 40)
        return "unknown bitmap header of " + std::to_string(infoSize) + " bytes";
    if (bytes.size() < kFileHeaderSize + (infoSize == kCoreHeaderSize ? 12 : 40))
        return std::string("the file ends inside its header");
    if (infoSize == kCoreHeaderSize) {
        header.width = readU16(bytes, 18);
        header.height = readU16(bytes, 20);
        header.bitsPerPixel = readU16(bytes, 24);
        return std::nullopt;
    }
    header.width = static_cast<std::int32_t>(readU32(bytes, 18));
    header.height = static_cast<std::int32_t>(readU32(bytes, 22));
    header.bitsPerPixel = readU16(bytes, 28);
    header.compression = readU32(bytes, 30);
    header.imageSize = readU32(bytes, 34);
    return std::nullopt;
}

int maskWidth(std::uint32_t mask)
{
    int width = 0;
    for (; mask != 0; mask >>= 1)
        width += static_cast<int>(mask & 1);
    return width;
}

}  // namespace

bool looksLikeBitmap(std::string_view bytes)
{
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

std::optional<BitmapSize> bitmapSize(std::string_view headerBytes)
{
    BitmapHeader header;
    if (readHeader(headerBytes, header))
        return std::nullopt;
    return BitmapSize{header.width, std::llabs(header.height)};
}

std::optional<std::string> checkBitmap(std::string_view bytes)
{
    BitmapHeader header;
    if (auto problem = readHeader(bytes, header))
        return problem;

    const std::int64_t rows = std::llabs(header.height);
    if (header.width <= 0 || rows == 0)
        return "the header gives an empty size (" + std::to_string(header.width) + " x " +
               std::to_string(header.height) + ")";
    if (header.width > kMaxPictureSide || rows > kMaxPictureSide)
        return "the header claims " + std::to_string(header.width) + " x " + std::to_string(rows) +
               " pixels, more than " + std::to_string(kMaxPictureSide) + " a side";

    const std::uint16_t bits = header.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return "unsupported colour depth of " + std::to_string(bits) + " bits";

    const std::uint64_t dataOffset = readU32(bytes, 10);
    if (dataOffset > bytes.size())
        return std::string("the pixel data is missing (the file is truncated)");
    const std::uint64_t available = bytes.size() - dataOffset;

    std::uint64_t needed = 0;
    switch (header.compression) {
        case kBiRgb:
        case kBiBitfields:
        case kBiAlphaBitfields: {
            const std::uint64_t stride = ((static_cast<std::uint64_t>(header.width) * bits + 31) / 32) * 4;
            needed = stride * static_cast<std::uint64_t>(rows);
            break;
        }
        case kBiRle8:
        case kBiRle4:
            // Run-length data has no fixed length; the header's own count is all there is to check.
            needed = header.imageSize;
            break;
        default:
            return "unsupported bitmap compression " + std::to_string(header.compression);
    }
    if (needed > available)
        return "the pixel data ends after " + std::to_string(available) + " of " + std::to_string(needed) +
               " bytes (the file is truncated)";
    return std::nullopt;
}

std::optional<ChannelWidths> narrowChannelWidths(std::string_view bytes)
{
    BitmapHeader header;
    if (readHeader(bytes, header))
        return std::nullopt;
    ChannelWidths widths;
    if (header.bitsPerPixel == 16 && header.compression == kBiRgb) {
        widths = {5, 5, 5};
    } else if ((header.bitsPerPixel == 16 || header.bitsPerPixel == 32) &&
               (header.compression == kBiBitfields || header.compression == kBiAlphaBitfields)) {
        // The three masks follow the 40-byte header, or lie inside a longer one at the same place.
        constexpr std::size_t kMasksAt = kFileHeaderSize + 40;
        if (bytes.size() < kMasksAt + 12)
            return std::nullopt;
        widths = {maskWidth(readU32(bytes, kMasksAt)), maskWidth(readU32(bytes, kMasksAt + 4)),
                  maskWidth(readU32(bytes, kMasksAt + 8))};
    } else {
        return std::nullopt;
    }
    const auto narrow = [](int width) { return width > 0 && width < 8; };
    if (!narrow(widths.red) && !narrow(widths.green) && !narrow(widths.blue))
        return std::nullopt;
    return widths;
}
