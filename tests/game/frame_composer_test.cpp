#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "frame_composer.h"
#include "game_state.h"
#include "surface.h"

namespace {

constexpr Rgb kGround = 0x204060;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kGreen = 0x00FF00;
constexpr Rgb kTubeColour = 0x00FFFF;
constexpr Rgb kBoxColour = 0x806020;

// Two 2 x 2 objects overlapping in one column, each with a flat 4 x 1 tube: tube 1 crosses the objects' bottom
// row, tube 0 lies below them. The box's top-left pixel is clear in its mask.
struct CraftedScene {
    GameState state;
    ThemePictures pictures;
    Surface blank{7, 5, kGround};
    Surface backBuffer{7, 5, kBlack};  // a pixel the frame leaves unpainted shows as black

    CraftedScene()
    {
        for (Rgb colour : {kRed, kGreen}) {
            pictures.PicSprite.emplace_back(2, 2, colour);
            pictures.PicMask.emplace_back(2, 2, kBlack);
            pictures.PicCont.emplace_back(4, 1, kTubeColour);
            pictures.PicContMask.emplace_back(4, 1, kBlack);
        }
        pictures.PicPlainSprite.emplace_back(2, 2, kBoxColour);
        pictures.PicPlainMask.emplace_back(2, 2, kBlack);
        pictures.PicPlainSprite[0].setPixel(0, 0, kWhite);
        pictures.PicPlainMask[0].setPixel(0, 0, kWhite);
        state.LastObj = 1;
        state.ObjActive = state.ContActive = {true, true};
        state.ObjX = {0, 1};
        state.ObjY = {1, 1};
        state.ContX = {0, 0};
        state.ContY = {4, 2};
        state.CurCont = 1;
        state.BoxX[0] = 5;
        state.BoxY[0] = 3;
    }

    // The back buffer a character a pixel and a line a row, so that a failure shows the whole frame.
    std::string frame() const
    {
        const std::map<Rgb, char> letters = {
            {kGround, '.'}, {kRed, 'R'}, {kGreen, 'G'}, {kTubeColour, 'T'}, {kBoxColour, 'B'}};
        std::string text;
        for (int y = 0; y < backBuffer.height(); ++y) {
            for (int x = 0; x < backBuffer.width(); ++x) {
                const auto letter = letters.find(*backBuffer.pixel(x, y));
                text += letter == letters.end() ? '?' : letter->second;
            }
            text += '\n';
        }
        return text;
    }
};

}  // namespace

TEST(Frames, HigherIndexInFrontOnlyTheCurrentTubeOverAllNoTubeWhileSlidingAndNothingOfADeliveredObject)
{
    struct Case {
        const char* name;
        std::function<void(CraftedScene&)> change;
        decltype(&composeMainFrame) compose;
        std::string frame;
    };
    const Case cases[] = {
        {"tube 1", [](CraftedScene&) {}, composeMainFrame, ".......\nRGG....\nTTTT...\n......B\n.....BB\n"},
        {"tube 0", [](CraftedScene& s) { s.state.CurCont = 0; }, composeMainFrame,
         ".......\nRGG....\nRGG....\n......B\nTTTT.BB\n"},
        {"delivered", [](CraftedScene& s) { s.state.ObjActive[1] = s.state.ContActive[1] = false; }, composeMainFrame,
         ".......\nRR.....\nRR.....\n......B\n.....BB\n"},
        {"sliding", [](CraftedScene&) {}, composeSlideFrame, ".......\nRGG....\nRGG....\n......B\n.....BB\n"},
    };
    for (const Case& c : cases) {
        CraftedScene scene;
        c.change(scene);
        c.compose(scene.backBuffer, scene.blank, scene.state, scene.pictures);
        EXPECT_EQ(scene.frame(), c.frame) << c.name;
    }
}
