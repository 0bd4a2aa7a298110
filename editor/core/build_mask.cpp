#include "build_mask.h"

namespace {

// Gives the output the source's size and background colour; an output of that size already is reused as it
// stands, since every one of its pixels is written next.
void shapeLike(Surface& output, const Surface& source)
{
    if (output.width() != source.width() || output.height() != source.height())
        output = Surface(source.width(), source.height(), source.backgroundColor());
    output.setBackgroundColor(source.backgroundColor());
}

}  // namespace

void buildMask(Surface& pictureOut, Surface& maskOut, const Surface& source, Rgb keyColour)
{
    // Both outputs take the source's size, so scanning each over its own size is one pass over the source.
    shapeLike(pictureOut, source);
    shapeLike(maskOut, source);
    // The sizes are read once: a store through a pixel pointer could change them as far as the compiler knows.
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const Rgb* in = source.row(y);
        Rgb* picture = pictureOut.row(y);
        Rgb* mask = maskOut.row(y);
        for (int x = 0; x < width; ++x) {
            const bool key = in[x] == keyColour;
            picture[x] = key ? kWhite : in[x];
            mask[x] = key ? kWhite : kBlack;
        }
    }
}
