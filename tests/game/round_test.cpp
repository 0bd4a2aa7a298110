#include <QDir>

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

TEST_F(Round, StartDuringARoundBeginsItAgainInTheSameLoop)
{
    queueDelivery(1);
    pump.steps.push_back([this] {
        EXPECT_FALSE(game.state().ObjActive[1]);
        // The delivered object's tube is retired, and only that one.
        EXPECT_EQ(std::vector<bool>(game.state().ContActive.begin(), game.state().ContActive.begin() + 3),
                  (std::vector<bool>{true, false, true}));
    });
    for (int start = 0; start < 20; ++start)
        pump.steps.push_back([this] { startRound(); });
    for (int i = 0; i < 3; ++i)
        queueDelivery(i);
    startRound();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.rfind("Game Over", 0), 0u);
    EXPECT_EQ(prompts.inputs.size(), 1u);
    // The loop's own pass and, within it, the theme load's: never deeper, however many Starts came.
    EXPECT_EQ(pump.maxDepth, 2);
}

TEST_F(Round, AStartWhoseLoadFailsPlaysNothing)
{
    ASSERT_TRUE(QDir(QString::fromStdString(programFolder() + "/Theme1")).removeRecursively());
    const int framesBefore = view.frames;
    startRound();
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"File(s) missing", "Theme not found"}));
    EXPECT_EQ(view.frames, framesBefore);
    EXPECT_TRUE(prompts.inputs.empty());
}

TEST_F(Round, ThemeWithoutObjectsIsOverInTheFirstFrame)
{
    ASSERT_FALSE(writeFileAtomically(themeFile("Theme1", ThemeFiles::kPositions), ""));
    startRound();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Game Over\r\nYou took: 0 seconds");
    // Such a time is no score: nothing is asked and the table stays empty.
    EXPECT_TRUE(prompts.inputs.empty());
    EXPECT_EQ(game.highScores()[0].name, "Nobody");
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
