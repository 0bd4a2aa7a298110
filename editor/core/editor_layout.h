#pragma once

// The editor window's design. Outside the object list everything is in pixels of the client area (below the
// menu bar); inside the list panel positions are in twips, 15 to a pixel on a usual display, and are turned
// into pixels with the display's own factor.

constexpr int kPanelLeft = 8;
constexpr int kPanelWidth = 249;
constexpr int kObjectPanelTop = 8;
constexpr int kSpritePreviewLeft = 24;
constexpr int kTubePreviewLeft = 120;
constexpr int kPreviewTop = 32;
constexpr int kCanvasLeft = 264;
constexpr int kCanvasTop = 8;
constexpr double kUsualTwipsPerPixel = 15.0;

struct ClientSize {
    int width;
    int height;
};

// The client area chosen at start-up and after a theme load: the canvas with 10 pixels to spare on its right and
// below it. The window frame, title bar and menu bar are the toolkit's and lie outside it.
ClientSize startupClientSize(int canvasWidth, int canvasHeight);

// The canvas's area within a client area of that size: from the canvas's place to 10 pixels short of the right
// and bottom edges. A canvas larger than its area scrolls.
ClientSize canvasAreaSize(int clientWidth, int clientHeight);

// The Current Object panel is as high as the tube preview plus 40 pixels.
int objectPanelHeight(int tubePreviewHeight);

// The list panel's height for `rows` rows, in pixels: (552 + 292 x rows) twips with the design's sizes.
double listPanelHeight(int rows, double twipsPerPixelY);

// The height the rows take inside the panel, in pixels: down to one row gap below the last row.
double listRowsHeight(int rows, double twipsPerPixelY);

// The list panel never gets lower than this: the rows of up to three objects stay in sight, so that another
// object can always be chosen.
double leastListPanelHeight(int rows, double twipsPerPixelY);

// The client height the left column needs: the Current Object panel, then the list at its least height, with the
// gaps above and below the list.
int leftColumnHeight(int objectPanelBottom, double leastListHeight);

// Where the list panel goes: its bottom 5 pixels above the client area's, unless it would then reach above
// the Current Object panel; it then starts 5 pixels below that panel, ends 5 above the bottom and scrolls, and is
// never lower than its least height.
struct ListPanelPlace {
    int top;
    int height;
};
ListPanelPlace placeListPanel(int clientHeight, double panelHeight, int objectPanelBottom, double leastHeight);

// One row of the list, in twips inside the panel.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};
struct ListRowGeometry {
    TwipRect option;
    TwipRect thumbnail;
    TwipRect xLabel;
    TwipRect yLabel;
};
ListRowGeometry listRowGeometry(int row);
// The "X: " and "Y: " captions, which only the first row has.
TwipRect xCaptionGeometry();
TwipRect yCaptionGeometry();

int twipsToPixels(int twips, double twipsPerPixel);
