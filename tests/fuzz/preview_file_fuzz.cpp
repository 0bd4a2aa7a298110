// The body of a theme preview cache file: what it reads stays within the sizes the chooser shows, and survives
// being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "preview_cache.h"

namespace {

// The key the seed bodies were made from.
const std::string kKey = "folder 5:Alpha\n";

bool fits(const QImage& image, int width, int height)
{
    return image.width() <= width && image.height() <= height;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string body(reinterpret_cast<const char*>(data), size);
    const std::optional<ThemePreview> preview = parsePreviewBody(body, kKey, true);
    if (!preview)
        return 0;
    if (!fits(preview->thumbnail, kThumbnailWidth, kThumbnailHeight) ||
        !fits(preview->picture, kPreviewPictureWidth, kPreviewPictureHeight))
        std::abort();
    const std::optional<ThemePreview> again = parsePreviewBody(previewBody(kKey, *preview), kKey, true);
    if (!again || again->thumbnail != preview->thumbnail || again->picture != preview->picture ||
        again->description != preview->description || again->damage != preview->damage ||
        again->objectCount != preview->objectCount)
        std::abort();
    return 0;
}
