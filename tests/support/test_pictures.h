#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "result.h"
#include "surface.h"

// Lets test failures show a surface's size and first pixels instead of its raw bytes.
void PrintTo(const Surface& surface, std::ostream* out);

// Writes the bytes to a file of that name in a fresh folder and loads it as a picture.
Result<Surface> loadPictureBytes(const std::string& bytes, const std::string& name = "picture.bmp");

// Builders of picture files byte by byte, so the loader is tested on layouts that Qt would never write.

constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiBitfields = 3;

// Appends each value as `bytes` little-endian bytes.
void appendLittleEndian(std::string& out, int bytes, const std::vector<std::uint32_t>& values);

// The headers of a Windows bitmap file. A negative height stores the rows top-down.
struct BitmapLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint32_t> bitfieldMasks;
    // The 12-byte header of OS/2 bitmaps, with three-byte palette entries.
    bool coreHeader = false;
};

// The whole file: file header, info header, masks, palette, then the pixel data as given.
std::string bitmapFile(const BitmapLayout& layout, const std::string& pixelData);

// Raw pixel value at (x, y): a palette index up to 8 bits, the packed 16-bit word, or 0x00RRGGBB for 24 and
// 32 bits.
using RawPixels = std::function<std::uint32_t(int x, int y)>;

// A complete uncompressed bitmap file, rows in the layout's order and each padded to four bytes.
std::string bitmapOf(const BitmapLayout& layout, const RawPixels& raw);

// A 24-bit bitmap of the surface.
std::string bitmapOf(const Surface& surface);

// A placeable Windows metafile of width x height units that fills an ellipse over the whole frame with a solid
// red brush. At 72 units per inch a unit is one pixel.
std::string redEllipseMetafile(int width, int height, int unitsPerInch = 72);
