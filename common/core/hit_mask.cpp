#include "hit_mask.h"

#include "surface.h"

bool hitsMask(std::int16_t x, std::int16_t y, std::int16_t cornerX, std::int16_t cornerY, const Surface& mask)
{
    const std::optional<Rgb> colour = mask.pixel(x - cornerX, y - cornerY);
    return colour && *colour == kBlack;
}
