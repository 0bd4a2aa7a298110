#pragma once

#include <optional>
#include <string>

class QImage;

// Writes the bytes to a temporary file beside `path` and renames it into place, so a reader never sees a
// half-written file. Returns the reason when the file could not be written.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes);

// The same for a picture, written as a 24-bit Windows bitmap.
std::optional<std::string> writeBitmapAtomically(const std::string& path, const QImage& image);
