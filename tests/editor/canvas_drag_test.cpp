#include <gtest/gtest.h>

#include <array>

#include "canvas_drag.h"
#include "mouse_buttons.h"
#include "workspace.h"

namespace {

// Object 1: 10 x 10 at (50, 50), solid but for a grey corner pixel; its 24 x 22 tube at (40, 40). The box:
// 20 x 20 at (150, 20), solid.
Workspace craftedWorkspace(bool showBox)
{
    Workspace ws;
    ws.objects[0] = {Surface(10, 10, rgb(200, 0, 0)), Surface(10, 10, kBlack), Surface(24, 22, kWhite),
                     Surface(24, 22, kWhite)};
    ws.objects[0].mask.setPixel(0, 0, rgb(16, 16, 16));
    std::tie(ws.objectX[0], ws.objectY[0], ws.tubeX[0], ws.tubeY[0], ws.boxX, ws.boxY) =
        std::tuple(50, 50, 40, 40, 150, 20);
    std::tie(ws.box, ws.boxMask, ws.showBox) = std::tuple(Surface(20, 20), Surface(20, 20, kBlack), showBox);
    return ws;
}

}  // namespace

TEST(CanvasDrag, MovesTheObjectAndTheBoxByTheirMasks)
{
    // Each step: 'd' left button down, 'D' right button down, 'm' move or 'u' button up, at (x, y); then where
    // the object, the box and the tube are: object X, Y, box X, Y, tube X, Y.
    using Steps = std::vector<std::tuple<char, double, double>>;
    using Places = std::array<int, 6>;
    const std::tuple<const char*, bool, Steps, Places> cases[] = {
        {"a move without a press drags nothing", true, {{'m', 55, 55}, {'m', 60, 60}}, {50, 50, 150, 20, 40, 40}},
        {"pressed beside it, then onto it: the object jumps by the travel since the press",
         true,
         {{'d', 45, 55}, {'m', 52, 55}},
         {57, 50, 150, 20, 40, 40}},
        {"a latched drag follows the pointer off the solid pixels and off the canvas",
         true,
         {{'d', 55, 55}, {'m', 56, 55}, {'m', -300, 400}},
         {-305, 395, 150, 20, 40, 40}},
        {"the box moves while the pointer is over it, and the object stays behind",
         true,
         {{'d', 55, 55}, {'m', 58, 55}, {'m', 155, 25}},
         {53, 50, 250, -10, 40, 40}},
        {"the box drag is not latched: off the box the object follows again",
         true,
         {{'d', 55, 55}, {'m', 58, 55}, {'m', 155, 25}, {'m', 200, 100}},
         {195, 95, 250, -10, 40, 40}},
        {"with the box hidden the object passes over it",
         false,
         {{'d', 55, 55}, {'m', 58, 55}, {'m', 155, 25}},
         {150, 20, 150, 20, 40, 40}},
        {"a grey mask pixel starts no drag", true, {{'d', 45, 45}, {'m', 50, 50}}, {50, 50, 150, 20, 40, 40}},
        {"halves round to the even neighbour", true, {{'d', 52.5, 52.5}, {'m', 56.5, 57.5}}, {54, 56, 150, 20, 40, 40}},
        {"a release places the tube 5 left of the object and its floor 5 below it",
         true,
         {{'d', 55, 55}, {'m', 56, 56}, {'m', 65, 75}, {'u', 65, 75}, {'m', 80, 80}},
         {60, 70, 150, 20, 55, 63}},
        {"a right click drags nothing, but its release places the tube",
         true,
         {{'D', 55, 55}, {'m', 60, 60}, {'u', 60, 60}},
         {50, 50, 150, 20, 45, 43}},
    };
    for (const auto& [name, showBox, steps, expected] : cases) {
        Workspace ws = craftedWorkspace(showBox);
        CanvasDrag drag;
        for (const auto& [kind, x, y] : steps) {
            if (kind == 'm')
                drag.move(ws, x, y);
            else if (kind == 'u')
                drag.release(ws);
            else
                drag.press(ws, kind == 'd' ? kLeftButton : kRightButton, x, y);
        }
        EXPECT_EQ((Places{ws.objectX[0], ws.objectY[0], ws.boxX, ws.boxY, ws.tubeX[0], ws.tubeY[0]}), expected) << name;
    }
}
