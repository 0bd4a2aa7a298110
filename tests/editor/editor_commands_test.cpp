#include "default_tube.h"
#include "editor_fixture.h"
#include "editor_layout.h"
#include "file_system.h"
#include "mouse_buttons.h"
#include "object_commands.h"
#include "picture_file.h"
#include "test_files.h"
#include "test_pictures.h"

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
    prompts.questionAnswers = {Answer::Discard};
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

// A picture is tried against the limits every reader of a theme keeps as it is chosen, by the size its header
// gives, before it is decoded: the files here have headers alone.
TEST_F(EditorCommands, PicturesPastTheReadersLimitsAreRefusedWhenChosenAndTheWorkspaceStays)
{
    startUpOnTheme1();
    const auto header = [&](const std::string& name, int width, int height) {
        const std::string path = programFolder() + "/" + name;
        writeBytes(path, bitmapFile({width, height, 24, 0, {}, {}, false}, ""));
        return path;
    };
    const std::tuple<const char*, std::function<void()>, std::string, const char*> cases[] = {
        // An object 100 x 9000 would get a default tube 18002 pixels high.
        {"object", [&] { editor.changeCurrentObject(); }, header("tall.bmp", 100, 9000), "16384 pixels a side"},
        // A photo of 4000 x 3000 and its tube twice as high would take more than the budget.
        {"photo", [&] { editor.changeCurrentObject(); }, header("photo.bmp", 4000, 3000), "256 MiB"},
        {"background", [&] { editor.changeBackground(); }, header("huge.bmp", 8200, 8200), "256 MiB"},
        {"box", [&] { editor.changeContainer(); }, header("huge.bmp", 8200, 8200), "256 MiB"},
    };
    const Workspace before = ws();
    for (const auto& [what, command, path, limit] : cases) {
        prompts.messages.clear();
        prompts.pictures = {path};
        command();
        ASSERT_EQ(prompts.messages.size(), 1u) << what;
        EXPECT_EQ(prompts.messages[0].title, "Picture not used") << what;
        EXPECT_NE(prompts.messages[0].text.find(limit), std::string::npos) << prompts.messages[0].text;
        EXPECT_TRUE(ws().objects[0].picture == before.objects[0].picture && ws().box == before.box &&
                    ws().background == before.background && ws().canvasWidth == before.canvasWidth)
            << what;
    }
}

// Object 1's default tube, drawn at start-up, can break a limit its own tube kept: the save refuses such a theme
// before anything is asked or written. New Object refuses a copy that would break the budget.
TEST_F(EditorCommands, AThemePastTheLimitsIsNotSavedAndNotGrown)
{
    ThemePackage tall = framedRowTheme(1);
    tall.objects[0].picture = Surface(100, 8200, kWhite);
    startUpOnTheme1(tall);
    prompts.descriptions = {ThemeDescription{"Tall", "d", "On"}};
    editor.saveTheme();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("114 x 16402 pixels is larger than the 16384"), std::string::npos)
        << prompts.messages[0].text;
    EXPECT_EQ(prompts.descriptions.size(), 1u);  // never asked
    EXPECT_FALSE(isFolder(programFolder() + "/Tall"));

    Workspace full;
    full.background = Surface(7800, 7800);  // 232 MiB of the 256
    full.objects[0] = {Surface(600, 600), Surface(600, 600), Surface(614, 1202), Surface(614, 1202)};  // 8.4 MiB
    ObjectList list;
    ASSERT_TRUE(newObject(full, list, prompts)) << prompts.messages.back().text;  // 248.9 MiB
    EXPECT_FALSE(newObject(full, list, prompts));                                 // 257.2 MiB
    EXPECT_EQ(std::pair(full.objectCount(), list.rows), std::pair(2, 2));
    EXPECT_NE(prompts.messages.back().text.find("256 MiB"), std::string::npos);
}

// A drag lasts from a press to its release. When the release cannot come to the canvas, the drag ends as the
// release would have ended it, and a later move moves nothing.
TEST_F(EditorCommands, ADragEndsWhenItsReleaseCannotComeToTheCanvas)
{
    startUpOnTheme1();
    writeTheme(programFolder(), "Other", framedRowTheme(2));
    const std::pair<const char*, std::function<void()>> interruptions[] = {
        {"a move with no button down", [&] { editor.canvasMoved(0, 0, 0); }},
        {"a dialog", [&] { editor.changeBackground(); }},
        {"a theme loaded", [&] { editor.loadTheme("Other"); }},
        {"New", [&] { editor.newTheme(); }},
    };
    for (const auto& [what, interrupt] : interruptions) {
        const double x = ws().objectX[0] + 5, y = ws().objectY[0] + 5;
        editor.canvasPressed(kLeftButton, x, y);
        editor.canvasMoved(x + 1, y + 1, kLeftButton);
        ASSERT_TRUE(editor.drag().draggingObject) << what;
        interrupt();
        EXPECT_FALSE(editor.drag().buttonHeld || editor.drag().draggingObject) << what;
        EXPECT_EQ(ws().tubeX[0], ws().objectX[0] - 5) << what;  // placed as a release places it
        const std::int16_t resting = ws().objectX[0];
        editor.canvasMoved(x + 40, y + 30, kLeftButton);
        EXPECT_EQ(ws().objectX[0], resting) << what;
    }
}

// Delete Object removes the current object with its row, its pictures and its positions; the rows below move up
// with theirs, and the object above becomes current (after the first, the new first). The last object left stays.
TEST_F(EditorCommands, DeleteObjectAtTheFirstAMiddleAndTheLastRow)
{
    startUpOnTheme1();
    const struct {
        int deleted;
        std::array<int, 2> kept;
        int current;
    } cases[] = {{0, {1, 2}, 0}, {1, {0, 2}, 0}, {2, {0, 1}, 1}};
    for (const auto& [deleted, kept, current] : cases) {
        SCOPED_TRACE(deleted);
        ASSERT_TRUE(editor.loadTheme("Theme1"));
        editor.chooseObject(deleted);
        const Workspace before = ws();
        editor.deleteObject();
        ASSERT_EQ(std::pair(ws().objectCount(), editor.objectList().rows), std::pair(2, 2));
        for (int row = 0; row < 2; ++row) {
            const int was = kept[row];
            EXPECT_TRUE(ws().objects[row] == before.objects[was]) << row;
            EXPECT_EQ(std::tuple(ws().objectX[row], ws().objectY[row], ws().tubeX[row], ws().tubeY[row]),
                      std::tuple(before.objectX[was], before.objectY[was], before.tubeX[was], before.tubeY[was]));
        }
        EXPECT_EQ(std::pair(int(ws().currentObject), editor.objectList().marked),
                  std::pair(current, std::optional<int>(current)));
        EXPECT_NEAR(editor.objectList().panelHeight, listPanelHeight(2, 15.0), 1e-9);
    }
    editor.deleteObject();
    EXPECT_FALSE(editor.canDeleteObject());
    editor.deleteObject();
    EXPECT_EQ(ws().objectCount(), 1);
}
