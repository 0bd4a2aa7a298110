#pragma once

#include <QImage>
#include <string>

#include "icon_shapes.h"

// The icon as a square picture `size` pixels a side, smoothed, on a transparent ground.
QImage renderIcon(const IconPicture& picture, int size);

// The icon as an SVG document of the same shapes.
std::string iconSvg(const IconPicture& picture);
