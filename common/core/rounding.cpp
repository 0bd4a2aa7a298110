#include "rounding.h"

#include <cmath>

double roundHalfEven(double value)
{
    // std::nearbyint follows the current rounding mode; nobody in these programs changes it from
    // round-to-nearest-even, and std::round would round halves away from zero.
    return std::nearbyint(value);
}

std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}
