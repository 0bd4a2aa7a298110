#pragma once

#include <QImage>
#include <QRect>

// A summer meadow under a morning sky: sun, clouds, rolling hills, grass and flowers. The tubes stand on
// the grass along `groundY`; a hill on the right rises to carry the basket, whose picture covers
// `basketSpot`.
QImage paintMeadowScene(int width, int height, int groundY, const QRect& basketSpot);
