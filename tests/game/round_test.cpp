#include "atomic_file.h"
#include "game_fixture.h"

namespace {

// The theme's three objects are 10 x 10 in tubes 24 pixels wide: lifting by 30 clears the tube's top.
constexpr double kLift = -30.0;

}  // namespace

class Round : public GameFixture {
protected:
    void SetUp() override { startUpOnTheme1(); }

    // Queues the pump steps that carry object i into the box.
    void queueDelivery(int i)
    {
        pump.steps.push_back([this, i] { pickUp(i); });
        pump.steps.push_back([this] { carryBy(0, kLift); });
        pump.steps.push_back([this, i] { carryToBox(i); });
    }
};

TEST_F(Round, TouchingTheTubeWallSendsTheObjectBackAndLocksOut)
{
    const auto rest = std::pair{game.state().ObjX[0], game.state().ObjY[0]};
    pump.steps.push_back([this] { pickUp(0); });
    pump.steps.push_back([this] { carryBy(5, 0); });  // the object's right edge meets the right wall
    pump.steps.push_back([this, rest] {
        EXPECT_EQ(std::pair(game.state().ObjX[0], game.state().ObjY[0]), rest);
        EXPECT_FALSE(game.isCarrying());
        EXPECT_TRUE(game.isLockedOut());
        game.Form_Unload();
    });
    startRound();
    EXPECT_EQ(soundNames(), (std::vector<std::string>{"Pickup.wav", "HitTube.wav"}));
}

TEST_F(Round, ClosingTheWindowEndsTheLoopAfterItsFirstFrame)
{
    pump.whenIdle = [this] { game.Form_Unload(); };
    const int callsBefore = pump.calls;
    startRound();
    EXPECT_EQ(pump.calls - callsBefore, 2);  // the load's own pass, then the round's first
    EXPECT_TRUE(prompts.messages.empty());
    ASSERT_EQ(view.lastFrame.width(), 200);
    EXPECT_EQ(view.lastFrame.pixel(1, 1), rgb(30, 90, 30));
    EXPECT_EQ(view.lastFrame.pixel(static_cast<int>(centreX(0)), static_cast<int>(centreY(0))), rgb(200, 0, 0));
}

TEST_F(Round, StartDuringARoundAbandonsItWithoutGameOver)
{
    queueDelivery(0);
    pump.steps.push_back([this] {
        EXPECT_FALSE(game.state().ObjActive[0]);
        for (int i = 0; i < 3; ++i)
            queueDelivery(i);
        startRound();
    });
    startRound();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.rfind("Game Over", 0), 0u);
    EXPECT_EQ(prompts.inputs.size(), 1u);
}

TEST_F(Round, ChoosingAThemeEndsTheRoundSilently)
{
    pump.steps.push_back([this] { clock.advance(2500); });
    pump.steps.push_back([this] { game.LoadTheme("Theme1"); });
    startRound();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(view.timeText, "2.5");  // the abandoned round's time shows once more
    EXPECT_TRUE(game.state().ObjActive[0]);
}

TEST_F(Round, ThemeWithoutObjectsIsOverInTheFirstFrame)
{
    ASSERT_FALSE(writeFileAtomically(programFolder() + "/Theme1/" + ThemeFiles::kPositions, ""));
    startRound();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Game Over\r\nYou took: 0 seconds");
}

TEST_F(Round, AFailingFrameEndsTheRoundWithTheLoopsMessage)
{
    view.failPresent = true;
    startRound();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "uhh oh!!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[0].text, "Error: 5\r\nThe canvas could not be drawn\r\nProblem in main rendering loop");
    EXPECT_FALSE(game.isRendering());
    EXPECT_TRUE(prompts.inputs.empty());
}
