#include <gtest/gtest.h>

#include "editor_layout.h"

TEST(EditorLayout, ListPanelHeightFollowsTheRowsAndTheDisplayAndEndsAboveTheBottomUntilItWouldCoverTheObjectPanel)
{
    EXPECT_NEAR(listPanelHeight(3, 12.0), 119.0, 1e-9);  // (552 + 3 x 292) twips on a 120 dpi display
    EXPECT_EQ(listRowGeometry(4).yLabel.top, listRowGeometry(3).option.top + 292);  // each row's labels on its row
    // At least three rows stay in sight, fewer only when there are fewer objects.
    EXPECT_EQ(std::pair(leastListPanelHeight(5, 15.0), leastListPanelHeight(2, 15.0)),
              std::pair(listPanelHeight(3, 15.0), listPanelHeight(2, 15.0)));
    EXPECT_EQ(leftColumnHeight(100, 95.2), 206);  // the panel's bottom, 5, 96 pixels of rows, 5
    // Client height, panel height, object panel's bottom; the panel's top and height. It fits, its bottom 5 pixels
    // above the client area's, also when that puts it exactly 5 below the object panel; it would reach too high,
    // so it starts 5 below the object panel and scrolls; no room, and it keeps its three rows all the same.
    const std::tuple<int, double, int, int, int> cases[] = {
        {259, 95.2, 100, 159, 95}, {205, 95.2, 100, 105, 95}, {259, 153.6, 146, 151, 103}, {100, 95.2, 146, 151, 96}};
    for (const auto& [clientHeight, panelHeight, objectPanelBottom, top, height] : cases) {
        const ListPanelPlace place = placeListPanel(clientHeight, panelHeight, objectPanelBottom, 95.2);
        EXPECT_EQ(std::pair(place.top, place.height), std::pair(top, height)) << clientHeight << " " << panelHeight;
    }
    EXPECT_EQ(std::pair(canvasAreaSize(800, 500).width, canvasAreaSize(800, 500).height), std::pair(526, 482));
}
