#include "test_pictures.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>

#include "picture_file.h"
#include "test_files.h"

namespace {

// Pixels narrower than a byte are packed from the most significant bit down.
void appendRow(std::string& out, const BitmapLayout& layout, const RawPixels& raw, int y)
{
    const std::size_t start = out.size();
    const int bits = layout.bitCount;
    if (bits < 8) {
        const int perByte = 8 / bits;
        for (int x0 = 0; x0 < layout.width; x0 += perByte) {
            std::uint32_t byte = 0;
            for (int x = x0; x < std::min(x0 + perByte, layout.width); ++x)
                byte |= raw(x, y) << (8 - bits * (x - x0 + 1));
            out += static_cast<char>(byte);
        }
    } else {
        // The fourth byte of a 32-bit pixel is unused; noise there must not show.
        for (int x = 0; x < layout.width; ++x)
            appendLittleEndian(out, bits / 8, {raw(x, y) | (bits == 32 ? 0x80000000u : 0u)});
    }
    out.resize(start + (out.size() - start + 3) / 4 * 4, '\0');
}

void appendRecord(std::string& out, std::uint32_t function, const std::vector<std::uint32_t>& params)
{
    appendLittleEndian(out, 4, {3 + static_cast<std::uint32_t>(params.size())});
    appendLittleEndian(out, 2, {function});
    appendLittleEndian(out, 2, params);
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

Result<Surface> loadPictureBytes(const std::string& bytes, const std::string& name)
{
    ScratchFolder folder;
    writeBytes(folder.file(name), bytes);
    return loadPicture(folder.file(name));
}

void appendLittleEndian(std::string& out, int bytes, const std::vector<std::uint32_t>& values)
{
    for (std::uint32_t value : values)
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string bitmapFile(const BitmapLayout& layout, const std::string& pixelData)
{
    const auto width = static_cast<std::uint32_t>(layout.width);
    const auto height = static_cast<std::uint32_t>(layout.height);
    const auto dataSize = static_cast<std::uint32_t>(pixelData.size());
    std::string headers;
    if (layout.coreHeader) {
        appendLittleEndian(headers, 4, {12});
        appendLittleEndian(headers, 2, {width, height, 1, layout.bitCount});
    } else {
        appendLittleEndian(headers, 4, {40, width, height});
        appendLittleEndian(headers, 2, {1, layout.bitCount});
        appendLittleEndian(headers, 4, {layout.compression, dataSize, 2835, 2835});
        appendLittleEndian(headers, 4, {static_cast<std::uint32_t>(layout.palette.size()), 0});
        appendLittleEndian(headers, 4, layout.bitfieldMasks);
    }
    appendLittleEndian(headers, layout.coreHeader ? 3 : 4, layout.palette);

    const auto dataOffset = static_cast<std::uint32_t>(14 + headers.size());
    std::string file = "BM";
    appendLittleEndian(file, 4, {dataOffset + dataSize, 0, dataOffset});
    return file + headers + pixelData;
}

std::string bitmapOf(const BitmapLayout& layout, const RawPixels& raw)
{
    const int rows = std::abs(layout.height);
    std::string data;
    for (int i = 0; i < rows; ++i)
        appendRow(data, layout, raw, layout.height > 0 ? rows - 1 - i : i);
    return bitmapFile(layout, data);
}

std::string bitmapOf(const Surface& surface)
{
    return bitmapOf({surface.width(), surface.height(), 24, 0, {}, {}, false},
                    [&surface](int x, int y) { return *surface.pixel(x, y); });
}

std::string redEllipseMetafile(int width, int height, int unitsPerInch)
{
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    // Coordinates go y before x, and rectangles bottom, right, top, left.
    std::string records;
    appendRecord(records, 0x020B, {0, 0});                  // SetWindowOrg
    appendRecord(records, 0x020C, {h, w});                  // SetWindowExt
    appendRecord(records, 0x02FC, {0, 0x00FF, 0x0000, 0});  // CreateBrushIndirect: solid, COLORREF red
    appendRecord(records, 0x012D, {0});                     // SelectObject
    appendRecord(records, 0x0418, {h, w, 0, 0});            // Ellipse
    appendRecord(records, 0x0000, {});

    // Key, handle, bounding box, units per inch, reserved; then the XOR of these words as checksum.
    std::vector<std::uint32_t> placeable = {0xCDD7, 0x9AC6, 0, 0, 0, w, h, static_cast<std::uint32_t>(unitsPerInch),
                                            0,      0};
    std::uint32_t checksum = 0;
    for (std::uint32_t word : placeable)
        checksum ^= word;
    placeable.push_back(checksum);

    // In memory, 9 header words, version 3, size in words, one object (the brush), longest record 7 words.
    const auto words = static_cast<std::uint32_t>(9 + records.size() / 2);
    std::string file;
    appendLittleEndian(file, 2, placeable);
    appendLittleEndian(file, 2, {1, 9, 0x0300, words & 0xFFFF, words >> 16, 1, 7, 0, 0});
    return file + records;
}
