#include "wmf_reader.h"

#include <Magick++.h>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "bitmap_check.h"

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

// Rendering a metafile takes time that grows with its area (a 2048 x 2048 ellipse takes about a second here),
// so metafiles are held to a smaller size than other pictures, and to a file size no drawing of ours needs.
constexpr int kMaxMetafileSide = 2048;
constexpr std::size_t kMaxMetafileBytes = 1024 * 1024;

void initialiseMagickOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        // A hostile metafile must not make ImageMagick take memory or disk without bound.
        Magick::ResourceLimits::memory(512ull * 1024 * 1024);
        Magick::ResourceLimits::disk(0);
        Magick::ResourceLimits::width(kMaxPictureSide);
        Magick::ResourceLimits::height(kMaxPictureSide);
    });
}

}  // namespace

bool looksLikeMetafile(std::string_view bytes)
{
    if (bytes.size() < 18)
        return false;
    const auto byte = [&bytes](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i]));
    };
    const std::uint32_t key = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    if (key == kPlaceableKey)
        return true;
    // A metafile without the placeable header starts with its type (1 memory, 2 disk), a header of
    // 9 words, and a version of 0x0100 or 0x0300.
    const std::uint32_t type = byte(0) | byte(1) << 8;
    const std::uint32_t headerWords = byte(2) | byte(3) << 8;
    const std::uint32_t version = byte(4) | byte(5) << 8;
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

std::optional<PictureSize> placeableMetafileSize(std::string_view bytes)
{
    constexpr std::size_t kPlaceableHeaderBytes = 22;
    if (bytes.size() < kPlaceableHeaderBytes)
        return std::nullopt;
    const auto word = [&bytes](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at])) |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8;
    };
    if ((word(0) | word(2) << 16) != kPlaceableKey)
        return std::nullopt;
    const auto coordinate = [&word](std::size_t at) { return static_cast<std::int16_t>(word(at)); };
    const std::int64_t unitsWide = std::abs(coordinate(10) - coordinate(6));
    const std::int64_t unitsHigh = std::abs(coordinate(12) - coordinate(8));
    const std::int64_t unitsPerInch = word(14);
    if (unitsPerInch == 0 || unitsWide == 0 || unitsHigh == 0)
        return std::nullopt;
    return PictureSize{(unitsWide * 72 + unitsPerInch - 1) / unitsPerInch,
                       (unitsHigh * 72 + unitsPerInch - 1) / unitsPerInch};
}

Result<Surface> renderMetafile(const std::string& bytes)
{
    initialiseMagickOnce();
    try {
        if (bytes.size() > kMaxMetafileBytes)
            return Result<Surface>::failure("the metafile is larger than " + std::to_string(kMaxMetafileBytes) +
                                            " bytes");
        // The placeable header's size is read by our own code before the renderer sees anything.
        const std::optional<PictureSize> declared = placeableMetafileSize(bytes);
        if (declared && (declared->width > kMaxMetafileSide || declared->height > kMaxMetafileSide))
            return Result<Surface>::failure("the metafile is larger than " + std::to_string(kMaxMetafileSide) +
                                            " pixels a side");
        Magick::Blob blob(bytes.data(), bytes.size());
        Magick::Image image;
        image.magick("WMF");
        // Its size first, from the header alone: a picture too large is refused before it is drawn.
        try {
            image.ping(blob);
        } catch (const Magick::Warning&) {
        }
        if (image.columns() > kMaxMetafileSide || image.rows() > kMaxMetafileSide)
            return Result<Surface>::failure("the metafile is larger than " + std::to_string(kMaxMetafileSide) +
                                            " pixels a side");
        image = Magick::Image();
        image.magick("WMF");
        image.backgroundColor(Magick::Color("white"));
        try {
            image.read(blob);
        } catch (const Magick::Warning&) {
            // A warning still leaves a rendered picture.
        }
        const int w = static_cast<int>(image.columns());
        const int h = static_cast<int>(image.rows());
        if (w <= 0 || h <= 0 || w > kMaxMetafileSide || h > kMaxMetafileSide)
            return Result<Surface>::failure("the metafile draws nothing that can be shown");
        image.alphaChannel(Magick::RemoveAlphaChannel);
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * h * 3);
        image.write(0, 0, w, h, "RGB", Magick::CharPixel, pixels.data());

        Surface surface(w, h);
        for (int y = 0; y < h; ++y) {
            Rgb* row = surface.row(y);
            const std::uint8_t* source = pixels.data() + static_cast<std::size_t>(y) * w * 3;
            for (int x = 0; x < w; ++x)
                row[x] = rgb(source[3 * x], source[3 * x + 1], source[3 * x + 2]);
        }
        return Result<Surface>::success(std::move(surface));
    } catch (const Magick::Exception& error) {
        return Result<Surface>::failure(std::string("the metafile could not be rendered (") + error.what() + ")");
    }
}
