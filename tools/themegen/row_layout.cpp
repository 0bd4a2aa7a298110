#include "row_layout.h"

#include "default_tube.h"

std::vector<PlannedObject> tubesInRow(const std::vector<FigureSize>& figures, int left, int gap, int base)
{
    std::vector<PlannedObject> row;
    for (const FigureSize& figure : figures) {
        row.push_back({figure.shape, figure.width, figure.height, left, base});
        left += defaultTubeWidth(figure.width) + gap;
    }
    return row;
}
