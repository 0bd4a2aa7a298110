#include <gtest/gtest.h>

#include "frame_composer.h"
#include "game_state.h"
#include "surface.h"

namespace {

constexpr Rgb kGround = 0x204060;
constexpr Rgb kBoxColour = 0x806020;
constexpr Rgb kTubeColour = 0x00FFFF;

// Two 4 x 4 objects overlapping by two columns, a box in the corner, and two flat tubes: tube 1's floor
// crosses object 1's bottom row, tube 0's lies below everything.
struct CraftedScene {
    GameState state;
    ThemePictures pictures;
    Surface blank{20, 12, kGround};
    Surface backBuffer{20, 12, kBlack};

    CraftedScene()
    {
        const Rgb colours[] = {0xFF0000, 0x00FF00};
        for (int i = 0; i < 2; ++i) {
            pictures.PicSprite.emplace_back(4, 4, colours[i]);
            pictures.PicMask.emplace_back(4, 4, kBlack);
            Surface tube(8, 6, kWhite);
            Surface tubeMask(8, 6, kWhite);
            for (int x = 0; x < 8; ++x) {
                tube.setPixel(x, 5, kTubeColour);
                tubeMask.setPixel(x, 5, kBlack);
            }
            pictures.PicCont.push_back(tube);
            pictures.PicContMask.push_back(tubeMask);
            state.ObjActive[i] = true;
            state.ContActive[i] = true;
        }
        state.LastObj = 1;
        state.ObjX = {2, 4};
        state.ObjY = {2, 2};
        state.ContX = {0, 2};
        state.ContY = {4, 0};
        Surface box(3, 3, kBoxColour);
        box.setPixel(0, 0, kWhite);
        pictures.PicPlainSprite.push_back(box);
        Surface boxMask(3, 3, kBlack);
        boxMask.setPixel(0, 0, kWhite);
        pictures.PicPlainMask.push_back(boxMask);
        state.BoxX[0] = 17;
        state.BoxY[0] = 9;
        state.CurCont = 1;
    }
};

}  // namespace

TEST(MainFrame, HigherIndexInFrontAndCurrentTubeOverBoth)
{
    CraftedScene scene;
    composeMainFrame(scene.backBuffer, scene.blank, scene.state, scene.pictures);
    EXPECT_EQ(scene.backBuffer.pixel(2, 2), 0xFF0000u);    // object 0 alone
    EXPECT_EQ(scene.backBuffer.pixel(5, 3), 0x00FF00u);    // overlap: object 1 in front
    EXPECT_EQ(scene.backBuffer.pixel(5, 5), kTubeColour);  // tube 1's floor over object 1's bottom row
    EXPECT_EQ(scene.backBuffer.pixel(0, 0), kGround);
    EXPECT_EQ(scene.backBuffer.pixel(17, 9), kGround);  // white in the box's mask
    EXPECT_EQ(scene.backBuffer.pixel(18, 10), kBoxColour);
}

TEST(MainFrame, OnlyTheCurrentTubeIsDrawn)
{
    CraftedScene scene;
    composeMainFrame(scene.backBuffer, scene.blank, scene.state, scene.pictures);
    EXPECT_EQ(scene.backBuffer.pixel(0, 9), kGround);  // tube 0's floor is not shown
    scene.state.CurCont = 0;
    composeMainFrame(scene.backBuffer, scene.blank, scene.state, scene.pictures);
    EXPECT_EQ(scene.backBuffer.pixel(0, 9), kTubeColour);
    EXPECT_EQ(scene.backBuffer.pixel(9, 5), kGround);
}

TEST(MainFrame, DeliveredObjectAndItsTubeAreGone)
{
    CraftedScene scene;
    scene.state.ObjActive[1] = false;
    scene.state.ContActive[1] = false;
    composeMainFrame(scene.backBuffer, scene.blank, scene.state, scene.pictures);
    EXPECT_EQ(scene.backBuffer.pixel(5, 3), 0xFF0000u);  // object 0 shows where 1 was in front
    EXPECT_EQ(scene.backBuffer.pixel(7, 3), kGround);
    EXPECT_EQ(scene.backBuffer.pixel(8, 5), kGround);
}

TEST(SlideFrame, DrawsNoTube)
{
    CraftedScene scene;
    composeSlideFrame(scene.backBuffer, scene.blank, scene.state, scene.pictures);
    EXPECT_EQ(scene.backBuffer.pixel(8, 5), kGround);
    EXPECT_EQ(scene.backBuffer.pixel(5, 3), 0x00FF00u);
}

TEST(MainFrame, EveryPixelIsRedrawnFromTheBlank)
{
    CraftedScene scene;
    scene.state.LastObj = -1;
    scene.pictures.PicPlainSprite.clear();
    scene.pictures.PicPlainMask.clear();
    composeMainFrame(scene.backBuffer, scene.blank, scene.state, scene.pictures);
    EXPECT_EQ(scene.backBuffer, scene.blank);
}
