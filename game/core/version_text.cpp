#include "version_text.h"

namespace {

std::string padded(int value, std::size_t digits)
{
    std::string text = std::to_string(value);
    if (text.size() < digits)
        text.insert(0, digits - text.size(), '0');
    return text;
}

}  // namespace

std::string versionText(int major, int minor, int revision)
{
    return std::to_string(major) + "." + padded(minor, 2) + "." + padded(revision, 4);
}
