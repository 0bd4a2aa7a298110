#include "masked_layers.h"

#include <QRect>
#include <algorithm>
#include <cstring>
#include <vector>

#include "surface.h"

namespace {

// MERGEPAINT of the mask, then SRCAND of the picture, in one pass over a row.
__attribute__((target_clones("avx2", "default"))) void maskedRow(const Rgb* __restrict mask,
                                                                 const Rgb* __restrict picture, Rgb* __restrict d,
                                                                 int w)
{
    for (int x = 0; x < w; ++x)
        d[x] = (~mask[x] | d[x]) & picture[x] & kWhite;
}

// SRCAND alone: where the picture reaches beyond its mask.
__attribute__((target_clones("avx2", "default"))) void pictureOnlyRow(const Rgb* __restrict picture, Rgb* __restrict d,
                                                                      int w)
{
    for (int x = 0; x < w; ++x)
        d[x] &= picture[x];
}

// One layer cut to the rectangle being composed: where its picture lies, and where its mask covers that.
struct ClippedLayer {
    const MaskedLayer* layer;
    QRect picture;
    QRect masked;
};

// The layer's masked part of the row starts at the left of its picture part: both begin at its corner.
void drawLayerRow(Surface& dest, const ClippedLayer& clipped, int y)
{
    const MaskedLayer& layer = *clipped.layer;
    const int left = clipped.picture.left();
    const int pictureX = left - layer.x;
    const int pictureY = y - layer.y;
    Rgb* d = dest.row(y) + left;
    const Rgb* picture = layer.picture.row(pictureY) + pictureX;
    int masked = 0;
    if (y >= clipped.masked.top() && y <= clipped.masked.bottom()) {
        masked = clipped.masked.width();
        maskedRow(layer.mask.row(pictureY) + pictureX, picture, d, masked);
    }
    if (masked < clipped.picture.width())
        pictureOnlyRow(picture + masked, d + masked, clipped.picture.width() - masked);
}

}  // namespace

void composeMaskedLayers(Surface& dest, const QRect& rect, const Surface& background,
                         std::initializer_list<MaskedLayer> layers)
{
    const QRect area = rect & QRect(0, 0, dest.width(), dest.height());
    if (area.isEmpty())
        return;
    const QRect copied = area & QRect(0, 0, background.width(), background.height());
    std::vector<ClippedLayer> clipped;
    clipped.reserve(layers.size());
    for (const MaskedLayer& layer : layers) {
        const QRect picture = QRect(layer.x, layer.y, layer.picture.width(), layer.picture.height()) & area;
        const QRect masked = picture & QRect(layer.x, layer.y, layer.mask.width(), layer.mask.height());
        if (!picture.isEmpty())
            clipped.push_back({&layer, picture, masked});
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (y >= copied.top() && y <= copied.bottom())
            std::memcpy(dest.row(y) + copied.left(), background.row(y) + copied.left(), sizeof(Rgb) * copied.width());
        for (const ClippedLayer& layer : clipped) {
            if (y >= layer.picture.top() && y <= layer.picture.bottom())
                drawLayerRow(dest, layer, y);
        }
    }
}
