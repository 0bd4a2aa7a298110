#pragma once

#include <optional>
#include <string>

class QImage;

// Writes the bytes to a temporary file beside `path` and renames it into place, so a reader never sees a
// half-written file. Returns the reason when the file could not be written.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes);

// The same, but where the folder refuses the temporary file while the file itself may be written (a shared,
// read-only install whose score file is writable), the file is rewritten in place instead.
std::optional<std::string> writeFileAtomicallyOrInPlace(const std::string& path, const std::string& bytes);

// The same for a picture, written as a 24-bit Windows bitmap.
std::optional<std::string> writeBitmapAtomically(const std::string& path, const QImage& image);
