#pragma once

#include <optional>
#include <string>

#include "result.h"

class QByteArray;
#include "surface.h"

// Loads a BMP or DIB (any depth, either row order), JPEG, ICO or WMF file into a surface of the picture's
// size. The kind is decided from the content, not the name. A file that cannot be used gives a message
// naming the file and the reason.
Result<Surface> loadPicture(const std::string& path);

// The same for the bytes of a picture file; `path` names it in messages.
Result<Surface> decodePicture(const QByteArray& bytes, const std::string& path);

// Writes the surface as a 24-bit Windows bitmap, replacing the file in one step. Returns the reason when
// the file could not be written.
std::optional<std::string> savePictureBmp(const Surface& surface, const std::string& path);
