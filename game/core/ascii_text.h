#pragma once

#include <string>
#include <string_view>

// Plain-byte text helpers shared by the hive and its export text. They look at ASCII only and leave every
// other byte as it is, so they are safe on UTF-8 and on text of any code page alike.

inline bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

inline std::string asciiLowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}
