#pragma once

#include <QImage>

#include "theme_plan.h"

// The container box's picture on pure white, drawn without antialiasing like the objects.
QImage paintBox(BoxStyle style, int width, int height);
