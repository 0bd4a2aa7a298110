#pragma once

#include <string>
#include <string_view>

#include "result.h"
#include "surface.h"

bool looksLikeMetafile(std::string_view bytes);

// Renders a Windows metafile on white at its own size. Qt has no metafile reader, so ImageMagick renders it.
Result<Surface> renderMetafile(const std::string& bytes);
