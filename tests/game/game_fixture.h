#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <stdexcept>

#include "fake_services.h"
#include "game.h"
#include "game_view.h"
#include "registry_store.h"
#include "theme_builder.h"

// A program folder in a temporary directory and a game over it with fake services. The fixture is the game's
// window too: it keeps what the game showed and counts the frames; a frame can be made to fail as a broken
// canvas would.
class GameFixture : public ::testing::Test, public GameView {
protected:
    GameFixture()
        : registry(m_settings.path().toStdString()),
          game(programFolder(), {clock, sound, prompts, pump, *this, registry})
    {
        // A round that nothing ends would spin for ever: fail the test and close the window instead.
        pump.whenIdle = [this] {
            if (pump.calls > 100000) {
                ADD_FAILURE() << "the round did not end";
                game.windowClosing();
            }
        };
    }

    void setCaption(const std::string& text) override { caption = text; }
    void setTimeText(const std::string& text) override { timeText = text; }
    void setCanvasSize(int width, int height) override { canvasSize = {width, height}; }
    void fitWindowToCanvas() override {}
    void present(const Surface&) override
    {
        if (failPresent)
            throw std::runtime_error("The canvas could not be drawn");
        ++frames;
    }
    void showHighScoreRows(const HighScoreTable&) override {}
    void setHighScorePanelVisible(bool) override {}
    std::string todayShortDate() override { return "06/12/2026"; }
    char decimalPoint() override { return point; }

    std::string programFolder() const { return m_folder.path().toStdString(); }
    std::string themeFile(const std::string& theme, const std::string& file) const
    {
        return programFolder() + "/" + theme + "/" + file;
    }

    // Theme1 of three 10 x 10 objects with an empty table, and a start-up on it that reports nothing.
    void startUpOnTheme1()
    {
        writeTheme(programFolder(), "Theme1", makeRowTheme(3));
        ASSERT_FALSE(writeHighScoreFile(themeFile("Theme1", ThemeFiles::kHighScores), {}));
        game.initialize();
        game.loadCurrentTheme();
        ASSERT_TRUE(prompts.messages.empty());
    }

    // Presses Start with these steps queued after any queued before, one per pass of the round's loop; the theme
    // load's own pass of the pump comes first.
    void startRound(std::initializer_list<std::function<void()>> steps = {})
    {
        pump.steps.push_front([] {});
        pump.steps.insert(pump.steps.end(), steps);
        game.startRound();
    }

    double centreX(int i) const { return game.state().objectX[i] + game.pictures().objects[i].width() / 2.0; }
    double centreY(int i) const { return game.state().objectY[i] + game.pictures().objects[i].height() / 2.0; }
    std::pair<int, int> position(int i) const { return {game.state().objectX[i], game.state().objectY[i]}; }

    // Hovers over object i's tube and presses on the object's centre: it is carried by that point.
    void pickUp(int i)
    {
        game.canvasMoved(game.state().tubeX[i] + 1.0, game.state().tubeY[i] + 1.0);
        m_grab = {centreX(i), centreY(i)};
        game.canvasPressed(kLeftButton, m_grab.first, m_grab.second);
        game.canvasMoved(m_grab.first, m_grab.second);
    }
    void carryBy(double dx, double dy) { game.canvasMoved(m_grab.first + dx, m_grab.second + dy); }

    // Lifts object i by 30, which clears its tube's top, and carries it onto the box's centre.
    void deliver(int i)
    {
        pickUp(i);
        carryBy(0, -30);
        const Surface& box = game.pictures().boxes[0];
        game.canvasMoved(game.state().boxX[0] + box.width() / 2.0, game.state().boxY[0] + box.height() / 2.0);
    }

    std::vector<std::string> messageTitles() const
    {
        std::vector<std::string> titles;
        for (const auto& message : prompts.messages)
            titles.push_back(message.title);
        return titles;
    }

    std::string caption, timeText;
    std::pair<int, int> canvasSize;
    int frames = 0;
    bool failPresent = false;
    char point = '.';
    QTemporaryDir m_folder, m_settings;
    FakeClock clock;
    RecordingSound sound;
    ScriptedPrompts prompts;
    ScriptedPump pump;
    RegistryStore registry;
    Game game;
    std::pair<double, double> m_grab;  // where the hand holds the carried object
};

class Theme1Game : public GameFixture {
protected:
    void SetUp() override { startUpOnTheme1(); }
};
