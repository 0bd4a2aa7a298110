#pragma once

#include <optional>
#include <vector>

#include "masked_layers.h"

class Surface;
struct ThemePackage;

// What a frame of a round shows over its clean background, each picture drawn through its mask, in this order:
// the container boxes, the objects still in play (each in front of those before it), and last the one tube a
// frame shows, in front of them all.
struct RoundFrameLayers {
    std::vector<MaskedLayer> boxes;
    std::vector<MaskedLayer> objects;
    std::optional<MaskedLayer> tube;
};

// Draws the layers onto a frame that holds the clean background already, in the order above.
void drawRoundFrameLayers(Surface& frame, const RoundFrameLayers& layers);

// The first frame of a round of this theme, at the background's size: every object at its resting place and the
// first object's tube, which is the current one when a round starts. It is drawn on the package's own background,
// so a large theme never takes the memory of a second copy. Empty when the package has no background, as a
// package without objects has none.
Surface restingFrame(ThemePackage package);
