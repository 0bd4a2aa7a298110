#include "editor_layout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kClientMargin = 10;
constexpr int kObjectPanelExtra = 40;
constexpr int kListPanelGap = 5;
constexpr int kLeastVisibleRows = 3;

// The first row, in twips; every further row sits one option height plus 100 twips lower.
constexpr int kRowTop = 360;
constexpr int kOptionLeft = 120;
constexpr int kOptionWidth = 1095;
constexpr int kOptionHeight = 192;
constexpr int kRowGap = 100;
constexpr int kThumbnailLeft = 1320;
constexpr int kThumbnailSide = 255;
constexpr int kXCaptionLeft = 2040;
constexpr int kXLabelLeft = 2280;
constexpr int kYCaptionLeft = 2880;
constexpr int kYLabelLeft = 3120;
constexpr int kLabelWidth = 360;
constexpr int kCaptionWidth = 240;
constexpr int kLabelHeight = 195;

}  // namespace

ClientSize startupClientSize(int canvasWidth, int canvasHeight)
{
    return {kCanvasLeft + canvasWidth + kClientMargin, kCanvasTop + canvasHeight + kClientMargin};
}

ClientSize canvasAreaSize(int clientWidth, int clientHeight)
{
    return {std::max(0, clientWidth - kCanvasLeft - kClientMargin),
            std::max(0, clientHeight - kCanvasTop - kClientMargin)};
}

int objectPanelHeight(int tubePreviewHeight)
{
    return tubePreviewHeight + kObjectPanelExtra;
}

double listPanelHeight(int rows, double twipsPerPixelY)
{
    return (kRowTop + kOptionHeight + (kRowGap + kOptionHeight) * rows) / twipsPerPixelY;
}

double listRowsHeight(int rows, double twipsPerPixelY)
{
    return (kRowTop + (kRowGap + kOptionHeight) * rows) / twipsPerPixelY;
}

double leastListPanelHeight(int rows, double twipsPerPixelY)
{
    return listPanelHeight(std::min(rows, kLeastVisibleRows), twipsPerPixelY);
}

int leftColumnHeight(int objectPanelBottom, double leastListHeight)
{
    return objectPanelBottom + kListPanelGap + static_cast<int>(std::ceil(leastListHeight)) + kListPanelGap;
}

ListPanelPlace placeListPanel(int clientHeight, double panelHeight, int objectPanelBottom, double leastHeight)
{
    const int height = static_cast<int>(std::lround(panelHeight));
    const int top = clientHeight - height - kListPanelGap;
    const int highest = objectPanelBottom + kListPanelGap;
    if (top >= highest)
        return {top, height};
    const int least = static_cast<int>(std::ceil(leastHeight));
    return {highest, std::max(least, clientHeight - kListPanelGap - highest)};
}

ListRowGeometry listRowGeometry(int row)
{
    const int top = kRowTop + (kOptionHeight + kRowGap) * row;
    return {{kOptionLeft, top, kOptionWidth, kOptionHeight},
            {kThumbnailLeft, top, kThumbnailSide, kThumbnailSide},
            {kXLabelLeft, top, kLabelWidth, kLabelHeight},
            {kYLabelLeft, top, kLabelWidth, kLabelHeight}};
}

TwipRect xCaptionGeometry()
{
    return {kXCaptionLeft, kRowTop, kCaptionWidth, kLabelHeight};
}

TwipRect yCaptionGeometry()
{
    return {kYCaptionLeft, kRowTop, kCaptionWidth, kLabelHeight};
}

int twipsToPixels(int twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}
