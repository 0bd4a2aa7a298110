#include "test_pictures.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;

void appendBgr(std::string& out, Rgb colour)
{
    out += static_cast<char>(colour & 0xFF);
    out += static_cast<char>((colour >> 8) & 0xFF);
    out += static_cast<char>((colour >> 16) & 0xFF);
}

// Pixels narrower than a byte are packed from the most significant bit down.
void appendRow(std::string& out, const BitmapLayout& layout, const RawPixels& raw, int y)
{
    const std::size_t start = out.size();
    const int bits = layout.bitCount;
    if (bits < 8) {
        const int perByte = 8 / bits;
        for (int x0 = 0; x0 < layout.width; x0 += perByte) {
            std::uint32_t byte = 0;
            for (int k = 0; k < perByte; ++k) {
                const std::uint32_t value = x0 + k < layout.width ? raw(x0 + k, y) : 0;
                byte |= value << (8 - bits * (k + 1));
            }
            out += static_cast<char>(byte);
        }
    } else {
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value = raw(x, y);
            if (bits == 8)
                out += static_cast<char>(value);
            else if (bits == 16)
                appendU16(out, value);
            else
                appendBgr(out, value);
            // The fourth byte of a 32-bit pixel is unused; noise there must not show.
            if (bits == 32)
                out += '\x80';
        }
    }
    while ((out.size() - start) % 4 != 0)
        out += '\0';
}

void appendRecord(std::string& out, std::uint16_t function, const std::vector<std::int16_t>& params)
{
    appendU32(out, 3 + static_cast<std::uint32_t>(params.size()));
    appendU16(out, function);
    for (std::int16_t param : params)
        appendU16(out, static_cast<std::uint16_t>(param));
}

}  // namespace

void PrintTo(const Surface& surface, std::ostream* out)
{
    *out << surface.width() << " x " << surface.height() << " surface" << std::hex << std::setfill('0');
    const int shown = std::min(surface.width() * surface.height(), 8);
    for (int i = 0; i < shown; ++i)
        *out << " " << std::setw(6) << *surface.pixel(i % surface.width(), i / surface.width());
    *out << std::dec;
}

void appendU16(std::string& out, std::uint32_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void appendU32(std::string& out, std::uint32_t value)
{
    appendU16(out, value & 0xFFFF);
    appendU16(out, value >> 16);
}

std::string bitmapFile(const BitmapLayout& layout, const std::string& pixelData)
{
    std::string headers;
    if (layout.coreHeader) {
        appendU32(headers, kCoreHeaderSize);
        appendU16(headers, static_cast<std::uint16_t>(layout.width));
        appendU16(headers, static_cast<std::uint16_t>(layout.height));
        appendU16(headers, 1);
        appendU16(headers, layout.bitCount);
    } else {
        appendU32(headers, kInfoHeaderSize);
        appendU32(headers, static_cast<std::uint32_t>(layout.width));
        appendU32(headers, static_cast<std::uint32_t>(layout.height));
        appendU16(headers, 1);
        appendU16(headers, layout.bitCount);
        appendU32(headers, layout.compression);
        appendU32(headers, static_cast<std::uint32_t>(pixelData.size()));
        appendU32(headers, 2835);
        appendU32(headers, 2835);
        appendU32(headers, static_cast<std::uint32_t>(layout.palette.size()));
        appendU32(headers, 0);
        for (std::uint32_t mask : layout.bitfieldMasks)
            appendU32(headers, mask);
    }
    for (Rgb colour : layout.palette) {
        appendBgr(headers, colour);
        if (!layout.coreHeader)
            headers += '\0';
    }

    const std::uint32_t dataOffset = kFileHeaderSize + static_cast<std::uint32_t>(headers.size());
    std::string file = "BM";
    appendU32(file, dataOffset + static_cast<std::uint32_t>(pixelData.size()));
    appendU32(file, 0);
    appendU32(file, dataOffset);
    return file + headers + pixelData;
}

std::string packRows(const BitmapLayout& layout, const RawPixels& raw)
{
    const int rows = std::abs(layout.height);
    const bool bottomUp = layout.height > 0;
    std::string data;
    for (int i = 0; i < rows; ++i)
        appendRow(data, layout, raw, bottomUp ? rows - 1 - i : i);
    return data;
}

std::string bitmapOf(const BitmapLayout& layout, const RawPixels& raw)
{
    return bitmapFile(layout, packRows(layout, raw));
}

std::string bitmapOf(const Surface& surface)
{
    BitmapLayout layout;
    layout.width = surface.width();
    layout.height = surface.height();
    return bitmapOf(layout, [&surface](int x, int y) { return *surface.pixel(x, y); });
}

std::string redEllipseMetafile(int width, int height, int unitsPerInch)
{
    constexpr std::uint16_t kSetWindowOrg = 0x020B;
    constexpr std::uint16_t kSetWindowExt = 0x020C;
    constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
    constexpr std::uint16_t kSelectObject = 0x012D;
    constexpr std::uint16_t kEllipse = 0x0418;
    constexpr std::int16_t kSolidBrush = 0;

    std::string records;
    // Coordinates go y before x, and rectangles bottom, right, top, left.
    appendRecord(records, kSetWindowOrg, {0, 0});
    appendRecord(records, kSetWindowExt, {static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)});
    appendRecord(records, kCreateBrushIndirect, {kSolidBrush, 0x00FF, 0x0000, 0});  // COLORREF red = 0x000000FF
    appendRecord(records, kSelectObject, {0});
    appendRecord(records, kEllipse, {static_cast<std::int16_t>(height), static_cast<std::int16_t>(width), 0, 0});
    appendRecord(records, 0x0000, {});

    constexpr std::uint32_t kStandardHeaderWords = 9;
    std::string standard;
    appendU16(standard, 1);  // in memory
    appendU16(standard, kStandardHeaderWords);
    appendU16(standard, 0x0300);
    appendU32(standard, kStandardHeaderWords + static_cast<std::uint32_t>(records.size() / 2));
    appendU16(standard, 1);  // one object, the brush
    appendU32(standard, 7);  // the longest record, in words
    appendU16(standard, 0);

    std::string placeable;
    appendU32(placeable, 0x9AC6CDD7);
    appendU16(placeable, 0);
    appendU16(placeable, 0);
    appendU16(placeable, 0);
    appendU16(placeable, static_cast<std::uint16_t>(width));
    appendU16(placeable, static_cast<std::uint16_t>(height));
    appendU16(placeable, static_cast<std::uint16_t>(unitsPerInch));
    appendU32(placeable, 0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < placeable.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(placeable[i]) |
                                               static_cast<std::uint8_t>(placeable[i + 1]) << 8);
    appendU16(placeable, checksum);
    return placeable + standard + records;
}
