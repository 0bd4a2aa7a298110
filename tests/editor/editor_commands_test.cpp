#include "default_tube.h"
#include "editor_fixture.h"
#include "editor_layout.h"
#include "mouse_buttons.h"
#include "picture_file.h"

namespace {

constexpr Rgb kKey = rgb(0, 160, 0);
constexpr Rgb kFigure = rgb(220, 20, 20);

// A 12 x 8 picture on the key colour with a figure that leaves a one-pixel key frame.
Surface keyedPicture()
{
    Surface picture(12, 8, kKey);
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 11; ++x)
            picture.setPixel(x, y, kFigure);
    return picture;
}

Surface expectedMask(const Surface& picture)
{
    Surface mask(picture.width(), picture.height(), kWhite);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != kKey)
                mask.setPixel(x, y, kBlack);
    return mask;
}

}  // namespace

using EditorCommands = EditorFixture;

TEST_F(EditorCommands, NewObjectCopiesObject1UpTo21ThenRefuses)
{
    startUpOnTheme1(3);
    editor.CurSpr_Click(1);
    for (int i = 3; i < 21; ++i)
        editor.mnuNew_Object_Click();
    ASSERT_EQ(ws().objectCount(), 21);
    EXPECT_EQ(editor.objectList().rows(), 21);
    EXPECT_EQ(ws().objects[20].imgSprS, ws().objects[0].imgSprS);
    EXPECT_EQ(ws().objects[20].imgContM, ws().objects[0].imgContM);
    EXPECT_EQ(ws().CurObj, 1);
    EXPECT_EQ(editor.objectList().marked, 1);
    EXPECT_NEAR(editor.objectList().panelHeight, listPanelHeight(21, 15.0), 1e-9);
    EXPECT_TRUE(prompts.messages.empty());

    editor.mnuNew_Object_Click();
    EXPECT_EQ(ws().objectCount(), 21);
    EXPECT_EQ(editor.objectList().rows(), 21);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "New Object");
}

TEST_F(EditorCommands, NewKeepsObject1TheBackgroundAndTheBox)
{
    startUpOnTheme1(3);
    const Workspace before = ws();
    const double panelHeight = editor.objectList().panelHeight;
    editor.CurSpr_Click(2);
    editor.mnuShowBox_Click();
    editor.mnuNew_Click();
    EXPECT_EQ(ws().objectCount(), 1);
    EXPECT_EQ(editor.objectList().rows(), 1);
    EXPECT_EQ(ws().CurObj, 0);
    EXPECT_EQ(editor.objectList().marked, 0);
    EXPECT_EQ(ws().objects[0].imgSprS, before.objects[0].imgSprS);
    EXPECT_EQ(ws().ObjX, before.ObjX);  // the slots of removed objects keep their values
    EXPECT_EQ(ws().background, before.background);
    EXPECT_EQ(ws().PicPlainS, before.PicPlainS);
    EXPECT_FALSE(ws().ShowBox);
    EXPECT_EQ(editor.objectList().panelHeight, panelHeight);
}

TEST_F(EditorCommands, NewPictureGetsADefaultTubeAndAMaskFromItsCorner)
{
    startUpOnTheme1(3);
    const std::string path = programFolder() + "/figure.bmp";
    ASSERT_FALSE(savePictureBmp(keyedPicture(), path));
    const Workspace before = ws();
    prompts.pictures = {std::nullopt, programFolder() + "/missing.bmp", path};

    editor.imgPreview_Click(1);  // cancelled
    editor.imgPreview_Click(1);  // unreadable
    EXPECT_EQ(ws().objects[1].imgSprS, before.objects[1].imgSprS);
    EXPECT_EQ(ws().CurObj, 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("missing.bmp"), std::string::npos);

    editor.imgPreview_Click(1);
    const ObjectPictures& object = ws().objects[1];
    EXPECT_EQ(object.imgSprS, keyedPicture());
    EXPECT_EQ(object.imgSprM, expectedMask(keyedPicture()));
    EXPECT_EQ(object.ImgContS, makeDefaultTube(12, 8).picture);
    EXPECT_EQ(object.imgContM, makeDefaultTube(12, 8).mask);
    EXPECT_EQ(ws().CurObj, 1);
    EXPECT_EQ(editor.objectList().marked, 1);
    // The tube stays where it was until a button is released on the canvas.
    EXPECT_EQ(ws().ContY[1], before.ContY[1]);
    editor.picCanvas_MouseUp();
    EXPECT_EQ(ws().ContY[1], ws().ObjY[1] - makeDefaultTube(12, 8).picture.height() + 5 + 8);
}

TEST_F(EditorCommands, BackgroundResizesOnlyTheCanvasAndTheBoxGetsAMask)
{
    startUpOnTheme1(1);
    const std::string background = programFolder() + "/bg.bmp";
    const std::string box = programFolder() + "/box.bmp";
    ASSERT_FALSE(savePictureBmp(Surface(400, 300, rgb(1, 2, 3)), background));
    ASSERT_FALSE(savePictureBmp(keyedPicture(), box));
    const std::pair<int, int> client = view.clientSize;
    const std::int16_t boxX = ws().BoxX;
    prompts.pictures = {background, box};

    editor.mnuChgBG_Click();
    EXPECT_EQ(view.canvasSize, std::pair(400, 300));
    EXPECT_EQ(std::pair(ws().canvasWidth, ws().canvasHeight), std::pair(400, 300));
    EXPECT_EQ(view.clientSize, client);

    editor.mnuChgBox_Click();
    EXPECT_EQ(ws().picPlainM, expectedMask(keyedPicture()));
    EXPECT_EQ(ws().BoxX, boxX);
}

TEST_F(EditorCommands, DragMovesTheCurrentObjectAndItsRowsLabels)
{
    startUpOnTheme1(3);
    editor.CurSpr_Click(1);
    const int x = ws().ObjX[1];
    const int y = ws().ObjY[1];
    editor.picCanvas_MouseDown(kLeftButton, x + 4, y + 4);
    editor.picCanvas_MouseMove(x + 5, y + 5);
    editor.picCanvas_MouseMove(x + 11, y + 1);
    EXPECT_EQ(editor.objectList().labels[1].x, std::to_string(x + 7));
    EXPECT_EQ(editor.objectList().labels[1].y, std::to_string(y - 3));
    EXPECT_EQ(editor.objectList().labels[0].x, "0");
    EXPECT_EQ(view.labelRows, std::vector<int>({1, 1}));
}
