// The metafile header checks that run before any metafile reaches the renderer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wmf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (looksLikeMetafile(bytes))
        placeableMetafileSize(bytes);
    return 0;
}
