#include "game_fixture.h"
#include "slide_back.h"

using Pointer = Theme1Game;

TEST_F(Pointer, HoverSelectsWithNoButtonHeldRightButtonIsIgnoredPressBesideThenOntoJumpsByTheTravel)
{
    game.canvasMoved(game.state().tubeX[2] + 1.0, game.state().tubeY[2] + 1.0);
    game.canvasPressed(kRightButton, centreX(1), centreY(1));
    game.canvasPressed(kLeftButton, 1, 1);
    game.canvasMoved(game.state().tubeX[1] + 1.0, game.state().tubeY[1] + 1.0);
    EXPECT_EQ(std::pair(int{game.state().currentObject}, int{game.state().currentTube}), std::pair(2, 2));
    game.canvasReleased();
    const std::int16_t x2 = game.state().objectX[2];
    game.canvasPressed(kLeftButton, x2 - 3.0, centreY(2));  // beside object 2
    game.canvasMoved(x2 + 2.0, centreY(2));                 // onto its solid pixels
    EXPECT_EQ(std::tuple(game.isCarrying(), game.state().objectX[2] - x2, sound.played.size()),
              std::tuple(true, 5, 0u));
}

TEST_F(Pointer, LetGoSlidesBackTwoPixelsAFrameLandsAtRestAndLocksMovesOutForHalfASecond)
{
    const auto rest = position(0);
    const int framesBefore = frames;
    pickUp(0);
    carryBy(0, -30);
    game.canvasReleased();
    // 30 pixels away: a frame per 2-pixel step until within 3 pixels, then placed exactly.
    EXPECT_EQ(std::pair(frames - framesBefore, position(0)), std::pair(13, rest));
    EXPECT_EQ(sound.played, (std::vector{themeFile("Theme1", "Pickup.wav"), themeFile("Theme1", "LetGo.wav")}));
    game.canvasPressed(kLeftButton, centreX(0), centreY(0));  // presses still count
    clock.advance(kLockOutMs - 1);
    game.canvasMoved(centreX(0) + 4, centreY(0));
    EXPECT_EQ(std::tuple(game.isLockedOut(), game.isCarrying(), position(0)), std::tuple(true, false, rest));
    clock.advance(1);
    game.canvasMoved(centreX(0), centreY(0));
    EXPECT_EQ(std::pair(game.isLockedOut(), game.isCarrying()), std::pair(false, true));

    const CanvasPoint target{100, 100};
    EXPECT_EQ(std::tuple(hasArrived(103, 97, target), hasArrived(104, 100, target), hasArrived(100, 96, target)),
              std::tuple(true, false, false));
}

TEST_F(Pointer, LettingGoOfADeliveredObjectOnlyLocksOutAndAnUnreachableRestingPlaceEndsTheSlideOnIt)
{
    startRound({[this] { deliver(0); }, [this] { game.windowClosing(); }});
    const auto delivered = position(0);
    pickUp(0);
    const int framesBefore = frames;
    game.canvasReleased();
    EXPECT_EQ(std::tuple(frames, game.isLockedOut(), position(0)), std::tuple(framesBefore, true, delivered));

    ThemePackage theme = makeRowTheme(1);
    theme.objects[0].tubeX = 200;  // the resting place lies 5 pixels past the right edge
    writeTheme(programFolder(), "Edge", theme);
    game.loadTheme("Edge");
    pickUp(0);
    carryBy(-60, -30);
    game.canvasReleased();
    EXPECT_EQ(game.state().objectX[0], 205);
}
