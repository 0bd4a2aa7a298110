#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iomanip>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "picture_file.h"
#include "test_files.h"

// Lets test failures show a surface's size and first pixels instead of its raw bytes.
inline void PrintTo(const Surface& surface, std::ostream* out)
{
    *out << surface.width() << " x " << surface.height() << " surface" << std::hex << std::setfill('0');
    for (int i = 0; i < std::min(surface.width() * surface.height(), 8); ++i)
        *out << " " << std::setw(6) << *surface.pixel(i % surface.width(), i / surface.width());
    *out << std::dec;
}

// Writes the bytes to a file of that name in a fresh folder and loads it as a picture.
inline Result<Surface> loadPictureBytes(const std::string& bytes, const std::string& name = "picture.bmp")
{
    ScratchFolder folder;
    writeBytes(folder.file(name), bytes);
    return loadPicture(folder.file(name));
}

// Builders of picture files byte by byte, so the loader is tested on layouts that Qt would never write.

constexpr std::uint32_t kBiRle8 = 1, kBiBitfields = 3;

// Appends each value as `bytes` little-endian bytes.
inline void appendLittleEndian(std::string& out, int bytes, const std::vector<std::uint32_t>& values)
{
    for (std::uint32_t value : values)
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The headers of a Windows bitmap file. A negative height stores the rows top-down.
struct BitmapLayout {
    std::int32_t width = 0, height = 0;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint32_t> bitfieldMasks;
    // The 12-byte header of OS/2 bitmaps, with three-byte palette entries.
    bool coreHeader = false;
};

// The whole file: file header, info header, masks, palette, then the pixel data as given.
inline std::string bitmapFile(const BitmapLayout& layout, const std::string& pixelData)
{
    const auto width = static_cast<std::uint32_t>(layout.width), height = static_cast<std::uint32_t>(layout.height);
    const auto dataSize = static_cast<std::uint32_t>(pixelData.size());
    std::string headers;
    // Header size, width, height, one plane and the depth; then, beyond the OS/2 header, compression, data size,
    // 72 dpi and palette size. Masks follow only the Windows header.
    if (layout.coreHeader)
        appendLittleEndian(headers, 2, {12, 0, width, height, 1, layout.bitCount});
    else
        appendLittleEndian(headers, 4,
                           {40, width, height, 1u | layout.bitCount << 16, layout.compression, dataSize, 2835, 2835,
                            static_cast<std::uint32_t>(layout.palette.size()), 0});
    appendLittleEndian(headers, 4, layout.bitfieldMasks);
    appendLittleEndian(headers, layout.coreHeader ? 3 : 4, layout.palette);
    const auto dataOffset = static_cast<std::uint32_t>(14 + headers.size());
    std::string file = "BM";
    appendLittleEndian(file, 4, {dataOffset + dataSize, 0, dataOffset});
    return file + headers + pixelData;
}

// A complete uncompressed bitmap file, rows in the layout's order and each padded to four bytes, of the raw value
// at each (x, y): a palette index up to 8 bits, the packed 16-bit word, or 0x00RRGGBB for 24 and 32 bits.
inline std::string bitmapOf(const BitmapLayout& layout, const std::function<std::uint32_t(int x, int y)>& raw)
{
    const int rows = std::abs(layout.height);
    const int bits = layout.bitCount;
    std::string data;
    for (int i = 0; i < rows; ++i) {
        const int y = layout.height > 0 ? rows - 1 - i : i;
        for (int x = 0; x < layout.width; ++x) {
            // Pixels narrower than a byte are packed from the most significant bit down. The fourth byte of a
            // 32-bit pixel is unused; noise there must not show.
            if (bits >= 8)
                appendLittleEndian(data, bits / 8, {raw(x, y) | (bits == 32 ? 0x80000000u : 0u)});
            else if (x * bits % 8 == 0)
                data += static_cast<char>(raw(x, y) << (8 - bits));
            else
                data.back() = static_cast<char>(data.back() | raw(x, y) << (8 - bits - x * bits % 8));
        }
        data.resize((data.size() + 3) / 4 * 4, '\0');
    }
    return bitmapFile(layout, data);
}

// A 24-bit bitmap of the surface.
inline std::string bitmapOf(const Surface& surface)
{
    return bitmapOf({surface.width(), surface.height(), 24, 0, {}, {}, false},
                    [&surface](int x, int y) { return *surface.pixel(x, y); });
}

// A placeable Windows metafile of width x height units that fills an ellipse over the whole frame with a solid
// red brush. At 72 units per inch a unit is one pixel.
inline std::string redEllipseMetafile(int width, int height, int unitsPerInch = 72)
{
    const auto w = static_cast<std::uint32_t>(width), h = static_cast<std::uint32_t>(height);
    // Key, handle, bounding box, units per inch, reserved; then the XOR of these words as checksum.
    const auto perInch = static_cast<std::uint32_t>(unitsPerInch);
    std::vector<std::uint32_t> placeable = {0xCDD7, 0x9AC6, 0, 0, 0, w, h, perInch, 0, 0};
    placeable.push_back(std::accumulate(placeable.begin(), placeable.end(), 0u, std::bit_xor<>()));
    // Each record: its size in words (two words), its function, its parameters. Coordinates go y before x, and
    // rectangles bottom, right, top, left.
    const std::vector<std::uint32_t> records = {
        5, 0, 0x020B, 0, 0,                  // SetWindowOrg
        5, 0, 0x020C, h, w,                  // SetWindowExt
        7, 0, 0x02FC, 0, 0x00FF, 0x0000, 0,  // CreateBrushIndirect: solid, COLORREF red
        4, 0, 0x012D, 0,                     // SelectObject
        7, 0, 0x0418, h, w,      0,      0,  // Ellipse
        3, 0, 0x0000};
    // In memory, 9 header words, version 3, size in words, one object (the brush), longest record 7 words.
    const auto words = static_cast<std::uint32_t>(9 + records.size());
    std::string file;
    appendLittleEndian(file, 2, placeable);
    appendLittleEndian(file, 2, {1, 9, 0x0300, words & 0xFFFF, words >> 16, 1, 7, 0, 0});
    appendLittleEndian(file, 2, records);
    return file;
}
