#pragma once

#include <string>
#include <string_view>

#include "picture_size.h"
#include "result.h"
#include "surface.h"

bool looksLikeMetafile(std::string_view bytes);

// The size in pixels a metafile's placeable header gives (its frame at 72 pixels an inch, as it is drawn);
// nothing for a metafile without that header, or one whose header gives no size.
std::optional<PictureSize> placeableMetafileSize(std::string_view bytes);

// Renders a Windows metafile on white at its own size. Qt has no metafile reader, so ImageMagick renders it.
Result<Surface> renderMetafile(const std::string& bytes);
