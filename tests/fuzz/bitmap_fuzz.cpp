// The bitmap loader with its header, size and truncation checks, on bytes that start as a bitmap does.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "bitmap_check.h"
#include "picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!looksLikeBitmap(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return 0;
    decodePicture(bytes, "fuzzed.bmp");
    return 0;
}
