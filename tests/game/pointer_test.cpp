#include "game_fixture.h"

class Pointer : public GameFixture {
protected:
    void SetUp() override { startUpOnTheme1(); }

    // Lifts object 0 out of its tube and lets go of it: it slides back.
    void letGoAboveTube0()
    {
        pickUp(0);
        carryBy(0, -30);
        game.PicCanvas_MouseUp();
    }
};

TEST_F(Pointer, PressBesideAnObjectThenMoveOntoItJumpsItByTheTravel)
{
    const std::int16_t x0 = game.state().ObjX[0];
    game.PicCanvas_MouseDown(kLeftButton, x0 - 3.0, centreY(0));  // beside object 0
    EXPECT_TRUE(sound.played.empty());
    game.PicCanvas_MouseMove(x0 + 2.0, centreY(0));  // onto its solid pixels
    EXPECT_TRUE(game.isCarrying());
    EXPECT_EQ(game.state().ObjX[0], x0 + 5);
}

TEST_F(Pointer, HoverSelectsOnlyWhileNoButtonIsHeldAndTheRightButtonIsIgnored)
{
    game.PicCanvas_MouseMove(game.state().ContX[2] + 1.0, game.state().ContY[2] + 1.0);
    EXPECT_EQ(std::pair(int{game.state().CurObj}, int{game.state().CurCont}), std::pair(2, 2));
    game.PicCanvas_MouseDown(kRightButton, centreX(1), centreY(1));
    EXPECT_EQ(game.state().CurObj, 2);
    EXPECT_TRUE(sound.played.empty());
    game.PicCanvas_MouseDown(kLeftButton, 1, 1);
    game.PicCanvas_MouseMove(game.state().ContX[1] + 1.0, game.state().ContY[1] + 1.0);
    EXPECT_EQ(game.state().CurCont, 2);
}

TEST_F(Pointer, LetGoSlidesBackTwoPixelsAFrameAndLandsExactly)
{
    const int framesBefore = view.frames;
    letGoAboveTube0();
    // 30 pixels away: a frame per 2-pixel step until within 3 pixels, then placed exactly.
    EXPECT_EQ(view.frames - framesBefore, 13);
    EXPECT_EQ(game.state().ObjY[0], game.state().ContY[0] + game.pictures().PicCont[0].height() - 5 - 10);
    EXPECT_EQ(soundNames(), (std::vector<std::string>{"Pickup.wav", "LetGo.wav"}));
}

TEST_F(Pointer, MovesAreIgnoredForHalfASecondAfterASlideBack)
{
    letGoAboveTube0();
    const auto rest = position(0);
    ASSERT_TRUE(game.isLockedOut());
    game.PicCanvas_MouseDown(kLeftButton, centreX(0), centreY(0));  // presses still count
    clock.advance(499);
    game.PicCanvas_MouseMove(centreX(0) + 4, centreY(0));
    EXPECT_FALSE(game.isCarrying());
    EXPECT_EQ(position(0), rest);
    clock.advance(1);
    game.PicCanvas_MouseMove(centreX(0), centreY(0));
    EXPECT_FALSE(game.isLockedOut());
    EXPECT_TRUE(game.isCarrying());
}

TEST_F(Pointer, LettingGoOfADeliveredObjectOnlyLocksOut)
{
    writeTheme(programFolder(), "One", makeRowTheme(1));
    game.LoadTheme("One");
    pump.steps.push_back([this] {
        pickUp(0);
        carryBy(0, -30);
        carryToBox(0);
    });
    startRound();
    const auto delivered = position(0);
    game.PicCanvas_MouseDown(kLeftButton, centreX(0), centreY(0));
    game.PicCanvas_MouseMove(centreX(0), centreY(0));
    const int framesBefore = view.frames;
    game.PicCanvas_MouseUp();
    EXPECT_EQ(view.frames, framesBefore);
    EXPECT_TRUE(game.isLockedOut());
    EXPECT_EQ(position(0), delivered);
}

TEST_F(Pointer, UnreachableRestingPlaceEndsTheSlideOnIt)
{
    ThemePackage theme = makeRowTheme(1);
    theme.objects[0].contX = 200;  // the resting place lies 5 pixels past the right edge
    writeTheme(programFolder(), "Edge", theme);
    game.LoadTheme("Edge");
    pickUp(0);
    carryBy(-60, -30);
    game.PicCanvas_MouseUp();
    EXPECT_EQ(game.state().ObjX[0], 205);
}
