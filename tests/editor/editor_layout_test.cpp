#include <gtest/gtest.h>

#include "editor_layout.h"

TEST(EditorLayout, ListPanelHeightFollowsTheRowsAndTheDisplayAndEndsAboveTheBottomUntilItWouldCoverTheObjectPanel)
{
    EXPECT_NEAR(listPanelHeight(3, 12.0), 119.0, 1e-9);  // (552 + 3 x 292) twips on a 120 dpi display
    EXPECT_EQ(listRowGeometry(4).yLabel.top, listRowGeometry(3).option.top + 292);  // each row's labels on its row
    // Client height, panel height, object panel's bottom; the panel's top and height. It fits, its bottom 5 pixels
    // above the client area's; it would reach too high, so it starts 5 below the object panel and scrolls; no room.
    const std::tuple<int, double, int, int, int> cases[] = {
        {259, 95.2, 100, 159, 95}, {259, 153.6, 146, 151, 103}, {100, 95.2, 146, 151, 0}};
    for (const auto& [clientHeight, panelHeight, objectPanelBottom, top, height] : cases) {
        const ListPanelPlace place = placeListPanel(clientHeight, panelHeight, objectPanelBottom);
        EXPECT_EQ(std::pair(place.top, place.height), std::pair(top, height)) << panelHeight;
    }
}
