#pragma once

#include <cstdint>

// The four block-copy raster operations, with the values the theme format's drawing model is defined by.
enum class RasterOp : std::uint32_t {
    SrcCopy = 0x00CC0020,     // dest = src
    MergePaint = 0x00BB0226,  // dest = (NOT src) OR dest
    SrcAnd = 0x008800C6,      // dest = src AND dest
    SrcInvert = 0x00660046,   // dest = src XOR dest
};
