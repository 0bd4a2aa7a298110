#include <QFile>

#include "game_fixture.h"
#include "high_score_table.h"
#include "theme_files.h"

namespace {

// The theme's three objects are 10 x 10 in tubes 24 pixels wide: lifting by 30 clears the tube's top.
constexpr double kLift = -30.0;

}  // namespace

class Round : public GameFixture {
protected:
    void SetUp() override
    {
        writeTheme(programFolder(), "Theme1", makeRowTheme(3));
        ASSERT_FALSE(writeHighScoreFile(programFolder() + "/Theme1/" + ThemeFiles::kHighScores, HighScoreTable{}));
        startUp();
        ASSERT_TRUE(prompts.messages.empty());
    }

    std::string soundName(std::size_t i) const
    {
        const std::string& path = sound.played.at(i);
        return path.substr(path.rfind('/') + 1);
    }

    std::vector<std::string> soundNames() const
    {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < sound.played.size(); ++i)
            names.push_back(soundName(i));
        return names;
    }

    // Queues the pump steps that carry object i into the box, a second of play per step.
    void queueDelivery(int i)
    {
        pump.steps.push_back([this, i] {
            clock.advance(1000);
            pickUp(i);
        });
        pump.steps.push_back([this] {
            clock.advance(1000);
            carryBy(0, kLift);
        });
        pump.steps.push_back([this, i] {
            clock.advance(1000);
            carryToBox(i);
        });
    }
};

TEST_F(Round, ScriptedRoundWithALetGoAndAWallTouchEndsInTheTable)
{
    prompts.answers.push_back("Tester");
    const auto rest0 = std::pair{game.state().ObjX[0], game.state().ObjY[0]};

    // Object 0: lifted and let go, then pushed into its tube's wall, then delivered.
    pump.steps.push_back([this] { pickUp(0); });
    pump.steps.push_back([this] { carryBy(0, kLift); });
    pump.steps.push_back([this, rest0] {
        game.PicCanvas_MouseUp();
        EXPECT_EQ(std::pair(game.state().ObjX[0], game.state().ObjY[0]), rest0);
        EXPECT_TRUE(game.isLockedOut());
        clock.advance(600);
    });
    pump.steps.push_back([this] { pickUp(0); });
    pump.steps.push_back([this] { carryBy(5, 0); });  // the object's right edge meets the right wall
    pump.steps.push_back([this, rest0] {
        EXPECT_EQ(std::pair(game.state().ObjX[0], game.state().ObjY[0]), rest0);
        EXPECT_FALSE(game.isCarrying());
        clock.advance(600);
    });
    queueDelivery(0);
    queueDelivery(1);
    queueDelivery(2);

    startRound();

    EXPECT_EQ(soundNames(), (std::vector<std::string>{"Pickup.wav", "LetGo.wav", "Pickup.wav", "HitTube.wav",
                                                      "Pickup.wav", "PutInCont.wav", "Pickup.wav", "PutInCont.wav",
                                                      "Pickup.wav", "PutInCont.wav"}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "");
    EXPECT_EQ(prompts.messages[0].text, "Game Over\r\nYou took: " + view.timeText + " seconds");
    EXPECT_EQ(view.timeText, "10.2");  // 1.2 s of lock-outs and nine steps of one second
    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0], "You got a highscore: What is your name?");
    EXPECT_TRUE(view.panelVisible);
    EXPECT_EQ(view.rows[0].name, "Tester");
    EXPECT_EQ(view.rows[0].time, "10.2");

    const std::optional<HighScoreTable> saved =
        readHighScoreFile(programFolder() + "/Theme1/" + ThemeFiles::kHighScores);
    ASSERT_TRUE(saved);
    EXPECT_EQ((*saved)[0].name, "Tester");
    EXPECT_EQ((*saved)[0].date, "06/12/2026");
    EXPECT_EQ((*saved)[1].name, "Nobody");
    EXPECT_FALSE(game.isRendering());
}

TEST_F(Round, FramesShowTheRoundOnTheBackground)
{
    pump.steps.push_back([this] { game.Form_Unload(); });
    startRound();
    ASSERT_EQ(view.lastFrame.width(), 200);
    EXPECT_EQ(view.lastFrame.pixel(1, 1), rgb(30, 90, 30));
    EXPECT_EQ(view.lastFrame.pixel(static_cast<int>(centreX(0)), static_cast<int>(centreY(0))), rgb(200, 0, 0));
}

TEST_F(Round, StartDuringARoundAbandonsItWithoutGameOver)
{
    pump.steps.push_back([this] {
        pickUp(0);
        carryBy(0, kLift);
        carryToBox(0);
    });
    pump.steps.push_back([this] {
        EXPECT_FALSE(game.state().ObjActive[0]);
        queueDelivery(0);
        queueDelivery(1);
        queueDelivery(2);
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

TEST_F(Round, ClosingTheWindowEndsTheLoop)
{
    pump.whenIdle = [this] { game.Form_Unload(); };
    const int callsBefore = pump.calls;
    startRound();
    EXPECT_EQ(pump.calls - callsBefore, 2);  // the load's own pass, then the round's first
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Round, ThemeWithoutObjectsIsOverInTheFirstFrame)
{
    QFile positions(QString::fromStdString(programFolder() + "/Theme1/" + ThemeFiles::kPositions));
    ASSERT_TRUE(positions.open(QIODevice::WriteOnly | QIODevice::Truncate));
    positions.close();
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
