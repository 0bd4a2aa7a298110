#include <QRegion>

#include "canvas_frame.h"
#include "editor_fixture.h"
#include "editor_frame.h"
#include "mouse_buttons.h"
#include "picture_file.h"
#include "workspace_loading.h"

namespace {

// One event, or a command, run in one pass of the render loop.
using Step = std::function<void(Editor&)>;
using Steps = std::vector<Step>;

Surface wholeFrame(const Workspace& ws)
{
    Surface frame;
    composeEditorFrame(frame, ws);
    return frame;
}

// The left button down on a point of the current object, and a first move there, which starts its drag.
Steps grab(double x, double y)
{
    return {[=](Editor& editor) { editor.canvasPressed(kLeftButton, x, y); },
            [=](Editor& editor) { editor.canvasMoved(x, y, kLeftButton); }};
}

Step release()
{
    return [](Editor& editor) { editor.canvasReleased(); };
}

Step choosing(int row)
{
    return [=](Editor& editor) { editor.chooseObject(row); };
}

Step command(void (Editor::*run)())
{
    return [=](Editor& editor) { (editor.*run)(); };
}

// The pointer from one point to another in `count` moves, one per pass.
Steps movesTo(double fromX, double fromY, double toX, double toY, int count)
{
    Steps steps;
    for (int i = 1; i <= count; ++i) {
        const double x = fromX + (toX - fromX) * i / count;
        const double y = fromY + (toY - fromY) * i / count;
        steps.push_back([=](Editor& editor) { editor.canvasMoved(x, y, kLeftButton); });
    }
    return steps;
}

Steps joined(std::initializer_list<Steps> parts)
{
    Steps all;
    for (const Steps& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The theme at start-up: framedRowTheme(3) on its 200 x 120 background, its objects 10 x 10 with their corners
// at (9, 103), (39, 103) and (69, 103), each in its 24 x 22 tube 5 pixels further left and down; the box 40 x 30
// at (150, 5), solid all over. The pointer takes them by their middles; the box follows only moves that stay
// over it.
constexpr double kObject1X = 14, kObject1Y = 108;
constexpr double kBoxX = 170, kBoxY = 20;

// A picture of `colour` in a one-pixel white frame, which its derived mask leaves out.
Surface framedPicture(int width, int height, Rgb colour)
{
    Surface picture(width, height, kWhite);
    blit(picture, 1, 1, width - 2, height - 2, Surface(width - 2, height - 2, colour), 0, 0, RasterOp::SrcCopy);
    return picture;
}

}  // namespace

// An editor started on Theme1 of a program folder, with fakes of its own.
struct LoopSession {
    explicit LoopSession(const std::string& programFolder) : editor(programFolder, {prompts, pump, view, game})
    {
        editor.start();
    }

    // Runs the render loop with one step per pass. Returns the first step before which the canvas did not show
    // what a whole frame of the workspace would be, counting the end as one more; nothing when it always did.
    std::optional<std::size_t> runChecked(const Steps& steps)
    {
        std::optional<std::size_t> firstWrong;
        for (std::size_t i = 0; i <= steps.size(); ++i) {
            pump.steps.push_back([this, &steps, &firstWrong, i] {
                if (!firstWrong && view.shown != wholeFrame(editor.workspace()))
                    firstWrong = i;
                if (i < steps.size())
                    steps[i](editor);
                else
                    editor.windowClosing();
            });
        }
        editor.runRenderLoop();
        return firstWrong;
    }

    ScriptedPrompts prompts;
    ScriptedPump pump;
    RecordingEditorView view;
    RecordingGameLauncher game;
    Editor editor;
};

using RenderLoop = EditorFixture;

TEST_F(RenderLoop, ShowsWhatAWholeFrameWouldAfterEveryStep)
{
    // New pictures of the same sizes as those they replace, so only their pixels tell them apart.
    const std::string figure = programFolder() + "/figure.bmp";
    const std::string box = programFolder() + "/box.bmp";
    ASSERT_FALSE(savePictureBmp(framedPicture(10, 10, rgb(0, 0, 200)), figure));
    ASSERT_FALSE(savePictureBmp(framedPicture(40, 30, rgb(0, 200, 200)), box));
    std::deque<std::optional<std::string>>* pictures = nullptr;
    const auto pictureCommand = [&](const std::string& path, void (Editor::*run)()) {
        return [&pictures, path, run](Editor& editor) {
            *pictures = {path};
            (editor.*run)();
        };
    };
    // A background as large as the canvas, then one of the same width and another height.
    const auto newBackground = [&](int extraHeight, Rgb colour) {
        return [&pictures, extraHeight, colour, path = programFolder() + "/background.bmp"](Editor& editor) {
            const Workspace& ws = editor.workspace();
            ASSERT_FALSE(savePictureBmp(Surface(ws.canvasWidth, ws.canvasHeight + extraHeight, colour), path));
            *pictures = {path};
            editor.changeBackground();
        };
    };
    const std::pair<const char*, Steps> scripts[] = {
        {"the object carried in small steps, and its tube placed at the release",
         joined({grab(kObject1X, kObject1Y),
                 movesTo(kObject1X, kObject1Y, kObject1X + 9, kObject1Y - 6, 3),
                 movesTo(kObject1X + 9, kObject1Y - 6, kObject1X - 2, kObject1Y - 20, 2),
                 {release()}})},
        {"the object carried onto the box, which moves while under the pointer, and beyond it",
         joined({grab(kObject1X, kObject1Y),
                 movesTo(kObject1X, kObject1Y, kBoxX, kBoxY, 4),
                 movesTo(kBoxX, kBoxY, kBoxX + 30, kBoxY + 8, 3),
                 movesTo(kBoxX + 30, kBoxY + 8, 280, 200, 2),
                 {release()}})},
        {"the box carried off the canvas's top left and back over the object, which stays",
         joined(
             {grab(kBoxX, kBoxY), movesTo(kBoxX, kBoxY, -40, -30, 12), movesTo(-40, -30, 40, 110, 10), {release()}})},
        {"the object carried off the right and bottom edges, wholly off the canvas and back",
         joined({grab(kObject1X, kObject1Y),
                 movesTo(kObject1X, kObject1Y, 300, 236, 3),
                 movesTo(300, 236, 500, 400, 1),
                 movesTo(500, 400, 120, 60, 1),
                 {release()}})},
        {"Show Box off while the object crosses the box's place, then on again",
         joined({{command(&Editor::toggleShowBox)},
                 grab(kObject1X, kObject1Y),
                 movesTo(kObject1X, kObject1Y, kBoxX, kBoxY, 3),
                 {command(&Editor::toggleShowBox)},
                 movesTo(kBoxX, kBoxY, kBoxX - 5, kBoxY + 40, 2),
                 {release()}})},
        {"another object chosen during a drag, which it then follows; then a third one carried",
         joined({grab(kObject1X, kObject1Y),
                 movesTo(kObject1X, kObject1Y, kObject1X + 6, kObject1Y - 6, 2),
                 {choosing(2)},
                 movesTo(kObject1X + 6, kObject1Y - 6, kObject1X + 30, kObject1Y - 40, 2),
                 {release(), choosing(1)},
                 grab(44, 108),
                 movesTo(44, 108, 70, 60, 2),
                 {release()}})},
        {"new pictures for the object and the box, new backgrounds, then a drag",
         joined({{pictureCommand(figure, &Editor::changeCurrentObject), pictureCommand(box, &Editor::changeContainer),
                  newBackground(0, rgb(90, 20, 90)), newBackground(37, rgb(20, 20, 90))},
                 grab(kObject1X, kObject1Y),
                 movesTo(kObject1X, kObject1Y, kObject1X + 20, kObject1Y + 40, 3),
                 {release()}})},
        {"New Object, a drag of the new one from the canvas's corner, then New",
         joined({{command(&Editor::newObject), choosing(3)},
                 grab(5, 5),
                 movesTo(5, 5, 60, 40, 2),
                 {release(), command(&Editor::newTheme)}})},
    };
    writeTheme(programFolder(), "Theme1", framedRowTheme(3));
    for (const auto& [name, steps] : scripts) {
        SCOPED_TRACE(name);
        LoopSession session(programFolder());
        ASSERT_TRUE(session.prompts.messages.empty());
        pictures = &session.prompts.pictures;
        EXPECT_EQ(session.runChecked(steps), std::nullopt);
        EXPECT_TRUE(session.prompts.messages.empty());
    }
}

TEST_F(RenderLoop, PresentsNothingWhenNothingMovedAndOnlyWhatMovedOtherwise)
{
    startUpOnTheme1();
    int presentsBefore = 0;
    pump.steps = {[&] { presentsBefore = view.presents; },
                  // Moves with no button, over the object, the box and the background; a press and a release that
                  // leave the tube where it stands; a right click.
                  [&] { editor.canvasMoved(kObject1X, kObject1Y, 0); }, [&] { editor.canvasMoved(kBoxX, kBoxY, 0); },
                  [&] { editor.canvasMoved(100, 50, 0); }, [&] { editor.canvasPressed(kLeftButton, 100, 50); },
                  [&] { editor.canvasReleased(); }, [&] { editor.canvasPressed(kRightButton, kObject1X, kObject1Y); },
                  [&] { editor.canvasReleased(); },
                  [&] {
                      EXPECT_EQ(view.presents, presentsBefore);
                      editor.canvasPressed(kLeftButton, kObject1X, kObject1Y);
                      editor.canvasMoved(kObject1X, kObject1Y, kLeftButton);
                      editor.canvasMoved(kObject1X + 3, kObject1Y + 2, kLeftButton);
                  },
                  [&] { editor.windowClosing(); }};
    const int waitsBefore = pump.waits;
    editor.runRenderLoop();
    EXPECT_EQ(std::pair(view.presents - presentsBefore, pump.waits - waitsBefore), std::pair(1, 8));
    EXPECT_EQ(view.lastChanged, QRegion(9, 103, 10, 10) + QRegion(12, 105, 10, 10));
}

TEST(CanvasFrame, ComposesTheMovedRectanglesOrTheWholeFrameAsTheChangeNeeds)
{
    // The theme of the scripts above on its 200 x 120 canvas: object 1 at (9, 103), its tube at (4, 96), the box
    // at (150, 5).
    Workspace start;
    applyThemePackage(start, framedRowTheme(3));
    start.canvasWidth = 200;
    start.canvasHeight = 120;
    const QRegion whole(0, 0, 200, 120);
    const std::tuple<const char*, std::function<void(Workspace&, CanvasFrame&)>, QRegion> cases[] = {
        {"nothing", [](Workspace&, CanvasFrame&) {}, QRegion()},
        {"the object moved", [](Workspace& ws, CanvasFrame&) { ws.objectX[0] += 4; }, QRegion(9, 103, 14, 10)},
        {"the tube moved", [](Workspace& ws, CanvasFrame&) { ws.tubeY[0] -= 30; },
         QRegion(4, 66, 24, 22) + QRegion(4, 96, 24, 22)},
        {"the box moved partly off the canvas", [](Workspace& ws, CanvasFrame&) { ws.boxX = 190; },
         QRegion(150, 5, 50, 30)},
        {"the object moved from one place off the canvas to another",
         [](Workspace& ws, CanvasFrame& frame) {
             ws.objectX[0] = -50;
             frame.update(ws);
             ws.objectY[0] = 500;
         },
         QRegion()},
        {"the hidden box moved",
         [](Workspace& ws, CanvasFrame& frame) {
             ws.showBox = false;
             frame.update(ws);
             ws.boxX = 10;
         },
         QRegion()},
        {"Show Box switched", [](Workspace& ws, CanvasFrame&) { ws.showBox = false; }, whole},
        {"another object current", [](Workspace& ws, CanvasFrame&) { ws.currentObject = 1; }, whole},
        {"another canvas height", [](Workspace& ws, CanvasFrame&) { ws.canvasHeight = 90; }, QRegion(0, 0, 200, 90)},
        {"another canvas width", [](Workspace& ws, CanvasFrame&) { ws.canvasWidth = 230; }, QRegion(0, 0, 230, 120)},
        {"a picture changed and told",
         [](Workspace& ws, CanvasFrame& frame) {
             ws.box.clear();
             frame.invalidate();
         },
         whole},
    };
    for (const auto& [name, change, expected] : cases) {
        Workspace ws = start;
        CanvasFrame frame;
        ASSERT_EQ(frame.update(ws), whole);
        change(ws, frame);
        EXPECT_EQ(frame.update(ws), expected) << name;
        EXPECT_EQ(frame.pixels(), wholeFrame(ws)) << name;
    }
}
