#include "score_time.h"

#include <cmath>

double elapsedSeconds(std::int64_t milliseconds)
{
    // Hundredths rounded half up, as the display pattern rounds; integer arithmetic keeps 12.345 exact.
    const std::int64_t hundredths = milliseconds >= 0 ? (milliseconds + 5) / 10 : -((-milliseconds + 5) / 10);
    return static_cast<double>(hundredths) / 100.0;
}

std::string formatSeconds(double seconds, char decimalPoint)
{
    const long long hundredths = std::llround(seconds * 100.0);
    const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
    std::string text = (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100);
    const long long fraction = magnitude % 100;
    if (fraction != 0) {
        text += decimalPoint;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

std::optional<double> storedTimeValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    double value = 0.0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, anyDigit = true)
        value = value * 10.0 + (text[i] - '0');
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10.0, anyDigit = true)
            value += (text[i] - '0') * scale;
    }
    if (!anyDigit)
        return std::nullopt;
    // Two decimals are all a time has; rounding here keeps 12.35 equal to the 12.35 it was written from.
    value = std::round(value * 1e6) / 1e6;
    return negative ? -value : value;
}

double timeValue(std::string_view text)
{
    return storedTimeValue(text).value_or(0.0);
}
