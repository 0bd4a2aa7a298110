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
    editor.CurSpr_Click(1);
    editor.CurSpr_Click(3);  // no such row
    for (int i = 3; i <= 21; ++i)
        editor.mnuNew_Object_Click();
    ASSERT_EQ(ws().objectCount(), 21);
    EXPECT_EQ(editor.objectList().rows(), 21);
    EXPECT_TRUE(ws().objects[20].imgSprS == ws().objects[0].imgSprS &&
                ws().objects[20].imgContM == ws().objects[0].imgContM);
    EXPECT_EQ(std::pair(int(ws().CurObj), editor.objectList().marked), std::pair(1, std::optional<int>(1)));
    EXPECT_NEAR(editor.objectList().panelHeight, listPanelHeight(21, 15.0), 1e-9);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "New Object");

    const Workspace before = ws();
    editor.mnuShowBox_Click();
    editor.mnuNew_Click();
    EXPECT_EQ(std::pair(ws().objectCount(), editor.objectList().rows()), std::pair(1, 1));
    EXPECT_EQ(std::pair(int(ws().CurObj), editor.objectList().marked), std::pair(0, std::optional<int>(0)));
    EXPECT_TRUE(ws().objects[0].imgSprS == before.objects[0].imgSprS && ws().ObjX == before.ObjX &&
                ws().background == before.background && ws().PicPlainS == before.PicPlainS && !ws().ShowBox);
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

    editor.imgPreview_Click(3);  // no such row: nothing is asked
    editor.imgPreview_Click(1);  // cancelled
    editor.imgPreview_Click(1);  // unreadable: named in a message
    EXPECT_TRUE(ws().objects[1].imgSprS == before.objects[1].imgSprS && ws().CurObj == 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("missing.bmp"), std::string::npos);

    editor.imgPreview_Click(1);
    const ObjectPictures& object = ws().objects[1];
    EXPECT_TRUE(object.imgSprS == keyedPicture() && object.imgSprM == keyedPicture(true));
    EXPECT_TRUE(object.ImgContS == makeDefaultTube(12, 8).picture && object.imgContM == makeDefaultTube(12, 8).mask);
    EXPECT_EQ(std::pair(int(ws().CurObj), editor.objectList().marked), std::pair(1, std::optional<int>(1)));
    EXPECT_EQ(ws().ContY[1], before.ContY[1]);  // the tube moves only when a button is released on the canvas

    editor.mnuChgBG_Click();  // cancelled
    EXPECT_EQ(view.canvasSize, std::pair(0, 0));
    editor.mnuChgBG_Click();
    EXPECT_EQ(view.canvasSize, std::pair(400, 300));
    EXPECT_EQ(view.clientSize, std::pair(264 + 305 + 10, 8 + 241 + 10));  // the window keeps its size
    editor.mnuChgBox_Click();
    EXPECT_TRUE(ws().picPlainM == keyedPicture(true) && ws().BoxX == before.BoxX);
}
