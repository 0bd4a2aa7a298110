#include "editor_fixture.h"
#include "editor_state.h"
#include "mouse_buttons.h"
#include "picture_file.h"

namespace {

// A picture of `colour` on white, framed by one white pixel, and `width` x `height`.
Surface framedPicture(int width, int height, Rgb colour)
{
    Surface picture(width, height, kWhite);
    blit(picture, 1, 1, width - 2, height - 2, Surface(width - 2, height - 2, colour), 0, 0, RasterOp::SrcCopy);
    return picture;
}

}  // namespace

class Undo : public EditorFixture {
protected:
    EditorState now() const { return {ws(), editor.objectList()}; }

    // A picture file in the program folder.
    std::string pictureFile(const std::string& name, const Surface& picture)
    {
        const std::string path = programFolder() + "/" + name;
        EXPECT_FALSE(savePictureBmp(picture, path));
        return path;
    }

    // A press, moves to (x + dx, y + dy) in two steps, and the release: one gesture.
    void drag(double x, double y, double dx, double dy)
    {
        editor.canvasPressed(kLeftButton, x, y);
        editor.canvasMoved(x, y, kLeftButton);
        editor.canvasMoved(x + dx / 2, y + dy / 2, kLeftButton);
        editor.canvasMoved(x + dx, y + dy, kLeftButton);
        editor.canvasReleased();
    }
};

// Each kind of step in turn, on what the steps before left: it is named for the Edit menu, Undo gives back exactly
// the state before it (pictures, masks, tubes, positions, the current object, the canvas's size, the rows and the
// mark) and Redo the state after it.
TEST_F(Undo, EveryKindOfStepIsTakenBackWholeAndMadeAgain)
{
    startUpOnTheme1();
    const std::string figure = pictureFile("figure.bmp", framedPicture(12, 8, rgb(220, 20, 20)));
    const std::string tall = pictureFile("tall.bmp", framedPicture(9, 14, rgb(20, 20, 220)));
    const std::string background = pictureFile("bg.bmp", Surface(400, 300, rgb(1, 2, 3)));
    // Choosing the object a step works on is no step: it comes before.
    const auto choosing = [&](int row) { return [this, row] { editor.chooseObject(row); }; };
    const struct {
        std::string step;
        std::function<void()> make;
        std::function<void()> before = [] {};
    } steps[] = {
        {"Move Object 1", [&] { drag(ws().objectX[0] + 5, ws().objectY[0] + 5, 12, -20); }},
        {"Move Box", [&] { drag(ws().boxX + 20, ws().boxY + 15, -6, 4); }},
        {"Move Box", [&] { drag(ws().boxX + 20, ws().boxY + 15, 7, 0); }},
        {"Change Background",
         [&] {
             prompts.pictures = {background};
             editor.changeBackground();
         }},
        {"Change Container",
         [&] {
             prompts.pictures = {figure};
             editor.changeContainer();
         }},
        {"Change Object 2",  // through its thumbnail: object 2 becomes current
         [&] {
             prompts.pictures = {figure};
             editor.changeObjectPicture(1);
         }},
        {"Place Tube 2",  // a right click places the new tube around the object
         [&] {
             editor.canvasPressed(kRightButton, 300, 200);
             editor.canvasReleased();
         }},
        {"Change Object 2",
         [&] {
             prompts.pictures = {tall};
             editor.changeCurrentObject();
         }},
        {"New Object", [&] { editor.newObject(); }},
        {"Hide Box", [&] { editor.toggleShowBox(); }},
        {"Show Box", [&] { editor.toggleShowBox(); }},
        {"Move Object 3 and Box",  // the box, met on the way, moves in the moves over it
         [&] {
             drag(ws().objectX[2] + 5, ws().objectY[2] + 5, ws().boxX - ws().objectX[2], ws().boxY - ws().objectY[2]);
         },
         choosing(2)},
        {"Delete Object 2", [&] { editor.deleteObject(); }, choosing(1)},
        {"New",
         [&] {
             prompts.questionAnswers = {Answer::Discard};
             editor.newTheme();
         }},
    };
    for (const auto& [step, make, prepare] : steps) {
        SCOPED_TRACE(step);
        prepare();
        const EditorState before = now();
        make();
        const EditorState after = now();
        ASSERT_TRUE(after != before);
        EXPECT_EQ(view.undoCaption, step);
        EXPECT_TRUE(view.modified);
        editor.undo();
        EXPECT_TRUE(now() == before);
        EXPECT_EQ(view.canvasSize, std::pair(before.workspace.canvasWidth, before.workspace.canvasHeight));
        EXPECT_EQ(view.redoCaption, step);
        editor.redo();
        EXPECT_TRUE(now() == after);
        EXPECT_EQ(std::pair(view.undoCaption, view.redoCaption), std::pair(step, std::string()));
    }
    ASSERT_EQ(prompts.messages.size(), 0u) << prompts.messages.front().text;
}

// Choosing the current object changes nothing to undo; a step undone back to the saved state has nothing unsaved;
// loading a theme and saving one forget every step.
TEST_F(Undo, ChoosingIsNoStepAndLoadingAndSavingForgetTheSteps)
{
    startUpOnTheme1();
    editor.chooseObject(2);
    EXPECT_EQ(std::pair(editor.history().stepCount(), view.modified), std::pair(0, false));
    editor.toggleShowBox();
    editor.undo();
    EXPECT_EQ(std::pair(editor.history().stepCount(), view.modified), std::pair(1, false));
    editor.redo();
    EXPECT_TRUE(view.modified);

    prompts.descriptions = {ThemeDescription{"Saved", "d", "On the 1"}};
    ASSERT_TRUE(editor.saveTheme());
    EXPECT_EQ(std::tuple(editor.history().stepCount(), view.modified, view.undoCaption), std::tuple(0, false, ""));
    editor.toggleShowBox();
    ASSERT_TRUE(editor.loadTheme("Saved"));
    EXPECT_EQ(std::tuple(editor.history().stepCount(), view.modified, view.redoCaption), std::tuple(0, false, ""));
    // A loaded theme brings its texts; a command that changes nothing is still no step.
    prompts.pictures = {programFolder() + "/Saved/bg.bmp"};
    editor.changeBackground();
    EXPECT_EQ(std::pair(editor.history().stepCount(), view.modified), std::pair(0, false));
}

// The history keeps 100 steps. Pictures that steps share are held once: a picture chosen again, even with
// others chosen in between, takes the pixels of the one held already.
TEST_F(Undo, KeepsTheLast100StepsAndHoldsAPictureChosenAgainOnce)
{
    startUpOnTheme1();
    for (int i = 0; i < kMostUndoSteps + 5; ++i)
        editor.toggleShowBox();
    EXPECT_EQ(editor.history().stepCount(), kMostUndoSteps);

    const std::string first = pictureFile("first.bmp", Surface(300, 200, rgb(1, 2, 3)));
    const std::string second = pictureFile("second.bmp", Surface(300, 200, rgb(4, 5, 6)));
    prompts.pictures = {first, second, first, first};
    editor.changeBackground();
    const Surface firstChosen = ws().background;
    editor.changeBackground();
    editor.changeBackground();
    EXPECT_TRUE(ws().background.sharesPixelsWith(firstChosen));
    const int steps = editor.history().stepCount();
    editor.changeBackground();  // the picture it has already: no step
    EXPECT_EQ(editor.history().stepCount(), steps);
}
