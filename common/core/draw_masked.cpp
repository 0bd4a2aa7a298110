#include "draw_masked.h"

#include "surface.h"

void drawMasked(Surface& dest, const std::int16_t& x, const std::int16_t& y, const Surface& picture,
                const Surface& mask)
{
    const int w = picture.width();
    const int h = picture.height();
    blit(dest, x, y, w, h, mask, 0, 0, RasterOp::MergePaint);
    blit(dest, x, y, w, h, picture, 0, 0, RasterOp::SrcAnd);
}
