#include <QDir>

#include "atomic_file.h"
#include "game_fixture.h"

using Round = Theme1Game;

TEST_F(Round, TouchingTheTubeWallSendsTheObjectBackAndLocksOut)
{
    const auto rest = position(0);
    // The object's right edge meets the tube's right wall.
    startRound({[this] { pickUp(0); }, [this] { carryBy(5, 0); }, [this] { game.windowClosing(); }});
    EXPECT_EQ(std::tuple(position(0), game.isCarrying(), game.isLockedOut()), std::tuple(rest, false, true));
    EXPECT_EQ(sound.played, (std::vector{themeFile("Theme1", "Pickup.wav"), themeFile("Theme1", "HitTube.wav")}));
}

TEST_F(Round, StartDuringARoundBeginsItAgainInTheSameLoop)
{
    pump.steps.push_back([this] { deliver(1); });
    pump.steps.push_back([this] {  // the delivered object's tube is retired, and only that one
        const GameState& state = game.state();
        EXPECT_EQ(std::tuple(state.inPlay[1], state.tubeInPlay[0], state.tubeInPlay[1], state.tubeInPlay[2]),
                  std::tuple(false, true, false, true));
    });
    pump.steps.insert(pump.steps.end(), 20, [this] { startRound(); });
    startRound({[this] { deliver(0); }, [this] { deliver(1); }, [this] { deliver(2); }});
    // One Game Over, one name asked, and the loop stopped. The pump is entered by the loop's own pass and, within
    // it, by the theme load's: never deeper, however many Starts came.
    EXPECT_EQ(std::tuple(prompts.messages.size(), prompts.inputs.size(), game.isRendering(), pump.maxDepth),
              std::tuple(1u, 1u, false, 2));
    EXPECT_EQ(prompts.messages.at(0).text.rfind("Game Over", 0), 0u);
}

TEST_F(Round, AFailingFrameAThemeWithoutObjectsAndAFailedLoadEndTheRoundAskingNoName)
{
    failPresent = true;
    startRound();
    EXPECT_FALSE(game.isRendering());
    failPresent = false;
    ASSERT_FALSE(writeFileAtomically(themeFile("Theme1", ThemeFiles::kPositions), ""));
    startRound();
    EXPECT_EQ(std::tuple(game.highScores()[0].name, prompts.inputs.size()), std::tuple("Nobody", 0u));  // no score
    const int framesBefore = frames;
    ASSERT_TRUE(QDir(QString::fromStdString(programFolder() + "/Theme1")).removeRecursively());
    startRound();
    EXPECT_EQ(frames, framesBefore);  // nothing is played on what stayed on screen
    EXPECT_EQ(messageTitles(), (std::vector<std::string>{"uhh oh!!", "", "File(s) missing", "Theme not found"}));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[0].text, "Error: 5\r\nThe canvas could not be drawn\r\nProblem in main rendering loop");
    EXPECT_EQ(prompts.messages[1].text, "Game Over\r\nYou took: 0 seconds");
}
