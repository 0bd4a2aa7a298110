#pragma once

#include <QImage>
#include <QRect>

// Where the workshop's furniture stands, so that the tubes and the tool box rest on it.
struct WorkshopFurniture {
    int shelfTop;  // the long shelf on the left, from x = 0 to shelfRight
    int shelfRight;
    int benchTop;   // the workbench along the bottom
    QRect boxSpot;  // the tool box stands on a small high shelf right under it
};

// A workshop wall of wooden planks with a pegboard, a window, a clock, a long shelf and a workbench.
QImage paintWorkshopScene(int width, int height, const WorkshopFurniture& furniture);
