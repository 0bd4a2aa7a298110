#pragma once

#include <vector>

#include "theme_plan.h"

struct FigureSize {
    ObjectShape shape;
    int width;
    int height;
};

// Stands the figures' tubes side by side from left to right on the line y = base, the first tube's left
// edge at `left` and `gap` pixels between neighbouring tubes.
std::vector<PlannedObject> tubesInRow(const std::vector<FigureSize>& figures, int left, int gap, int base);
