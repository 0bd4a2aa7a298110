#pragma once

#include <QImage>

#include "object_shape.h"

// A pure white picture of the given size, ready for a figure.
QImage blankFigurePicture(int width, int height);

// The picture of one carried object: the figure on pure white, drawn without antialiasing so that every
// pixel is either untouched white or wholly one of the figure's colours.
QImage paintObject(ObjectShape shape, int width, int height);
