#include "default_tube.h"
#include "editor_fixture.h"
#include "editor_layout.h"
#include "picture_file.h"

namespace {

constexpr Rgb kKey = rgb(0, 160, 0);

// A 12 x 8 picture on the key colour with a red figure inside a one-pixel key frame, and its mask.
Surface keyedPicture(bool mask = false)
{
    Surface picture(12, 8, mask ? kWhite : kKey);
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 11; ++x)
            picture.setPixel(x, y, mask ? kBlack : rgb(220, 20, 20));
    return picture;
}

}  // namespace

using EditorCommands = EditorFixture;

TEST_F(EditorCommands, NewObjectCopiesObject1UpTo21ThenRefusesAndNewKeepsObject1)
{
    startUpOnTheme1();
    editor.chooseObject(1);
    editor.chooseObject(3);  // no such row
    for (int i = 3; i <= 21; ++i)
        editor.newObject();
    ASSERT_EQ(ws().objectCount(), 21);
    EXPECT_EQ(editor.objectList().rows, 21);
    EXPECT_TRUE(ws().objects[20].picture == ws().objects[0].picture &&
                ws().objects[20].tubeMask == ws().objects[0].tubeMask);
    EXPECT_EQ(std::pair(int(ws().currentObject), editor.objectList().marked), std::pair(1, std::optional<int>(1)));
    EXPECT_NEAR(editor.objectList().panelHeight, listPanelHeight(21, 15.0), 1e-9);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "New Object");

    const Workspace before = ws();
    editor.toggleShowBox();
    editor.newTheme();
    EXPECT_EQ(std::pair(ws().objectCount(), editor.objectList().rows), std::pair(1, 1));
    EXPECT_EQ(std::pair(int(ws().currentObject), editor.objectList().marked), std::pair(0, std::optional<int>(0)));
    EXPECT_TRUE(ws().objects[0].picture == before.objects[0].picture && ws().objectX == before.objectX &&
                ws().background == before.background && ws().box == before.box && !ws().showBox);
    EXPECT_NEAR(editor.objectList().panelHeight, listPanelHeight(21, 15.0), 1e-9);  // New keeps its height
}

TEST_F(EditorCommands, NewPicturesGetTubesAndMasksFromTheirCornerAndTheBackgroundSizesTheCanvas)
{
    startUpOnTheme1();
    const std::string figure = programFolder() + "/figure.bmp";
    const std::string background = programFolder() + "/bg.bmp";
    ASSERT_FALSE(savePictureBmp(keyedPicture(), figure));
    ASSERT_FALSE(savePictureBmp(Surface(400, 300, rgb(1, 2, 3)), background));
    const Workspace before = ws();
    prompts.pictures = {std::nullopt, programFolder() + "/missing.bmp", figure, std::nullopt, background, figure};

    editor.changeObjectPicture(3);  // no such row: nothing is asked
    editor.changeObjectPicture(1);  // cancelled
    editor.changeObjectPicture(1);  // unreadable: named in a message
    EXPECT_TRUE(ws().objects[1].picture == before.objects[1].picture && ws().currentObject == 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("missing.bmp"), std::string::npos);

    editor.changeObjectPicture(1);
    const ObjectPictures& object = ws().objects[1];
    EXPECT_TRUE(object.picture == keyedPicture() && object.mask == keyedPicture(true));
    EXPECT_TRUE(object.tube == makeDefaultTube(12, 8).picture && object.tubeMask == makeDefaultTube(12, 8).mask);
    EXPECT_EQ(std::pair(int(ws().currentObject), editor.objectList().marked), std::pair(1, std::optional<int>(1)));
    EXPECT_EQ(ws().tubeY[1], before.tubeY[1]);  // the tube moves only when a button is released on the canvas

    editor.changeBackground();  // cancelled
    EXPECT_EQ(view.canvasSize, std::pair(200, 120));
    editor.changeBackground();
    EXPECT_EQ(view.canvasSize, std::pair(400, 300));
    EXPECT_EQ(view.clientSize, std::pair(264 + 200 + 10, 8 + 120 + 10));  // the window keeps its size: it scrolls
    editor.changeContainer();
    EXPECT_TRUE(ws().boxMask == keyedPicture(true) && ws().boxX == before.boxX);
}
