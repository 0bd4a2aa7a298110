#include "default_tube.h"
#include "editor_fixture.h"
#include "editor_layout.h"

namespace {

// The theme's own tubes are red blocks and its masks all black, so a fresh tube or mask shows.
ThemePackage themeWithOwnTubes(int count)
{
    ThemePackage package = framedRowTheme(count);
    for (ThemeObject& object : package.objects) {
        object.tube = Surface(30, 30, rgb(255, 0, 0));
        object.tubeMask = Surface(30, 30, kBlack);
        object.mask = Surface(object.picture.width(), object.picture.height(), kBlack);
    }
    return package;
}

}  // namespace

using EditorLoading = EditorFixture;

TEST_F(EditorLoading, StartUpGivesTheDefaultThemeFreshTubesAndMasksOrATheEditorsOwn)
{
    startUpOnTheme1(themeWithOwnTubes(3));
    ASSERT_EQ(ws().objectCount(), 3);
    const ObjectPictures& object = ws().objects[2];
    EXPECT_EQ(object.tube, makeDefaultTube(10, 10).picture);
    EXPECT_TRUE(object.mask.pixel(0, 0) == kWhite && object.mask.pixel(1, 1) == kBlack);
    EXPECT_NEAR(editor.objectList().panelHeight, listPanelHeight(3, 15.0), 1e-9);

    // Without a default theme: a message naming its folder, and a small theme of the editor's own.
    Editor withoutTheme1(programFolder() + "/nowhere", {prompts, pump, view, game});
    withoutTheme1.start();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find(programFolder() + "/nowhere/Theme1"), std::string::npos);
    const Workspace& own = withoutTheme1.workspace();
    ASSERT_EQ(own.objectCount(), 1);
    const Surface& picture = own.objects[0].picture;
    EXPECT_EQ(own.objects[0].mask.pixel(picture.width() / 2, picture.height() / 2), kBlack);
    for (int y = 0; y < picture.height(); ++y)  // a disc, the same either way round
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), picture.pixel(picture.width() - 1 - x, picture.height() - 1 - y)) << x;
    EXPECT_EQ(own.boxMask.pixel(own.box.width() / 2, own.box.height() / 2), kBlack);
    EXPECT_EQ(own.background, Surface(305, 241, kWhite));

    // A default theme without objects leaves nothing to edit at start-up: it is reported like a damaged one.
    Editor withEmptyTheme1(programFolder() + "/empty", {prompts, pump, view, game});
    ThemePackage empty = makeRowTheme(0);
    empty.background.reset();
    writeTheme(programFolder() + "/empty", "Theme1", empty);
    withEmptyTheme1.start();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[1].text.find("Theme.ini\" holds no objects"), std::string::npos);
    EXPECT_EQ(withEmptyTheme1.workspace().background, Surface(305, 241, kWhite));
}

TEST_F(EditorLoading, MenuLoadKeepsTheThemesTubesAndCancelKeepsTheWorkspace)
{
    startUpOnTheme1();
    writeTheme(programFolder(), "Other", themeWithOwnTubes(5));
    prompts.chosenTheme = "Other";
    editor.loadChosenTheme();
    ASSERT_EQ(std::pair(ws().objectCount(), editor.objectList().rows), std::pair(5, 5));
    EXPECT_EQ(ws().objects[4].tube, Surface(30, 30, rgb(255, 0, 0)));
    EXPECT_EQ(editor.objectList().marked, std::optional<int>(0));

    // The unsaved object is discarded first, then the chooser is cancelled.
    editor.newObject();
    const Workspace edited = ws();
    prompts.chosenTheme.reset();
    prompts.questionAnswers = {Answer::Discard, Answer::Discard};
    editor.loadChosenTheme();
    EXPECT_EQ(ws().objectCount(), 6);
    // The chooser starts on the theme started on, then on the one loaded since.
    EXPECT_EQ(prompts.chooserStarts, (std::vector<std::string>{"Theme1", "Other"}));

    // A theme without objects keeps object 1 and the background, and takes its box.
    ThemePackage empty = makeRowTheme(0);
    empty.boxPicture = Surface(7, 7, rgb(9, 9, 9));
    writeTheme(programFolder(), "Empty", empty);
    prompts.chosenTheme = "Empty";
    editor.loadChosenTheme();
    ASSERT_EQ(ws().objectCount(), 1);
    EXPECT_TRUE(ws().objects[0].picture == edited.objects[0].picture && ws().objectX[0] == edited.objectX[0]);
    EXPECT_TRUE(ws().background == edited.background && ws().box == Surface(7, 7, rgb(9, 9, 9)));
}

using EditorRenderLoop = EditorFixture;

TEST_F(EditorRenderLoop, ShowsTheCanvasAndWaitsWhileNothingChanges)
{
    startUpOnTheme1(framedRowTheme(2));
    std::vector<Surface> frames;
    pump.steps = {[&] { frames.push_back(view.shown); },  // after the first frame
                  [] {},                                  // the same frame would follow: the loop waits
                  [&] { editor.toggleShowBox(); }, [&] { frames.push_back(view.shown); },
                  [&] { editor.windowClosing(); }};
    editor.runRenderLoop();
    EXPECT_EQ(std::tuple(view.presents, editor.framesShown(), pump.waits, editor.isRendering()),
              std::tuple(2, 2, 3, false));
    ASSERT_EQ(frames.size(), 2u);

    const Surface& first = frames[0];
    EXPECT_EQ(std::pair(first.width(), first.height()), std::pair(200, 120));  // the theme's background's size
    EXPECT_EQ(first.pixel(100, 10), rgb(30, 90, 30));                          // the background
    EXPECT_EQ(first.pixel(ws().boxX + 1, ws().boxY + 1), rgb(150, 75, 0));
    EXPECT_EQ(first.pixel(ws().objectX[0] + 5, ws().objectY[0] + 5), ws().objects[0].picture.pixel(5, 5));
    EXPECT_EQ(first.pixel(ws().tubeX[0], ws().tubeY[0] + 1), kDefaultTubeColour);
    EXPECT_EQ(first.pixel(ws().objectX[1] + 5, ws().objectY[1] + 5), rgb(30, 90, 30));  // only the current object
    EXPECT_EQ(frames[1].pixel(ws().boxX + 1, ws().boxY + 1), rgb(30, 90, 30));          // the box hidden
}
