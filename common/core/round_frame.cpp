#include "round_frame.h"

#include "draw_masked.h"
#include "surface.h"
#include "theme_package.h"

void drawRoundFrameLayers(Surface& frame, const RoundFrameLayers& layers)
{
    for (const MaskedLayer& box : layers.boxes)
        drawMasked(frame, box.x, box.y, box.picture, box.mask);
    for (const MaskedLayer& object : layers.objects)
        drawMasked(frame, object.x, object.y, object.picture, object.mask);
    if (layers.tube)
        drawMasked(frame, layers.tube->x, layers.tube->y, layers.tube->picture, layers.tube->mask);
}

Surface restingFrame(ThemePackage package)
{
    if (!package.background)
        return Surface();
    RoundFrameLayers layers;
    layers.boxes.push_back({package.boxX, package.boxY, package.boxPicture, package.boxMask});
    for (const ThemeObject& object : package.objects)
        layers.objects.push_back({object.x, object.y, object.picture, object.mask});
    if (!package.objects.empty()) {
        const ThemeObject& first = package.objects.front();
        layers.tube.emplace(MaskedLayer{first.tubeX, first.tubeY, first.tube, first.tubeMask});
    }
    Surface frame = std::move(*package.background);
    drawRoundFrameLayers(frame, layers);
    return frame;
}
