#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A round's time in seconds, rounded to hundredths, from the milliseconds it took.
double elapsedSeconds(std::int64_t milliseconds);

// The shortest decimal text of a time rounded to hundredths: 12.5, 5, 37.42; with the given decimal point.
std::string formatSeconds(double seconds, char decimalPoint);

// The numeric value of a stored time: the number at the start of the text, with "." or "," as its decimal
// point (files written under a comma locale hold "12,5"); nothing when the text does not start with a number.
std::optional<double> storedTimeValue(std::string_view text);

// The same, with 0 for a text that does not start with a number.
double timeValue(std::string_view text);
