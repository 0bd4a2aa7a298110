#pragma once

#include <optional>
#include <string>

#include "picture_limits.h"

// The size of the picture in the file, read from its header alone (bitmaps and metafiles by our own reading,
// other formats by the toolkit's), without decoding the picture; nothing when no header gives it.
std::optional<PictureSize> pictureSizeOfFile(const std::string& path);
