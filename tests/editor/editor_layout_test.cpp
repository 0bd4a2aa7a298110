#include <gtest/gtest.h>

#include "editor_layout.h"

TEST(EditorLayout, ListPanelHeightFollowsTheRowsAndTheDisplay)
{
    EXPECT_NEAR(listPanelHeight(3, 15.0), 95.2, 1e-9);  // (552 + 3 x 292) / 15
    EXPECT_NEAR(listPanelHeight(1, 15.0), 844.0 / 15.0, 1e-9);
    EXPECT_NEAR(listPanelHeight(3, 12.0), 119.0, 1e-9);  // a 120 dpi display
    EXPECT_EQ(listRowGeometry(2).option.top - listRowGeometry(1).option.top, 292);
    EXPECT_EQ(listRowGeometry(4).yLabel.top, listRowGeometry(4).option.top);
}

TEST(EditorLayout, ListPanelEndsAboveTheBottomUntilItWouldCoverTheObjectPanel)
{
    struct Case {
        int clientHeight;
        double panelHeight;
        int objectPanelBottom;
        int top;
        int height;
    };
    const Case cases[] = {
        {259, 95.2, 100, 159, 95},    // fits: its bottom 5 pixels above the client area's
        {259, 153.6, 146, 151, 103},  // too high: it starts 5 below the object panel and scrolls
        {100, 95.2, 146, 151, 0},     // no room at all
    };
    for (const Case& c : cases) {
        const ListPanelPlace place = placeListPanel(c.clientHeight, c.panelHeight, c.objectPanelBottom);
        EXPECT_EQ(std::pair(place.top, place.height), std::pair(c.top, c.height)) << c.panelHeight;
    }
}

TEST(EditorLayout, WindowFitsTheCanvasAtStartUp)
{
    const ClientSize client = startupClientSize(305, 241);
    EXPECT_EQ(std::pair(client.width, client.height), std::pair(264 + 305 + 10, 8 + 241 + 10));
    EXPECT_EQ(objectPanelHeight(42), 82);
}
