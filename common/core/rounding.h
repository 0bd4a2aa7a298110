#pragma once

#include <cstdint>
#include <optional>

// Real values become integers by rounding to the nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The rounded value when it fits a signed 16-bit integer; nothing when it overflows or is not a number.
std::optional<std::int16_t> toInt16(double value);
