#pragma once

#include "surface.h"

// Derives a picture and its mask from a source whose background is one key colour: pictureOut becomes a copy
// of the source with the key colour turned white, maskOut a mask that is white where the source has the key
// colour and black everywhere else. Only exact equality counts; there is no tolerance.
void buildMask(Surface& pictureOut, Surface& maskOut, const Surface& source, Rgb keyColour);
