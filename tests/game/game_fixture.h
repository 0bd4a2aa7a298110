#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <stdexcept>

#include "fake_services.h"
#include "game.h"
#include "game_view.h"
#include "high_score_table.h"
#include "registry_store.h"
#include "theme_builder.h"
#include "theme_files.h"

// Keeps what the game showed and counts its frames; a frame can be made to fail as a broken canvas would.
class RecordingView : public GameView {
public:
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

    std::string caption;
    std::string timeText;
    std::pair<int, int> canvasSize;
    int frames = 0;
    bool failPresent = false;
    char point = '.';
};

// A program folder in a temporary directory, a game over it with fake services, and helpers that act as the
// player's hand.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
        : registry(m_settings.path().toStdString()),
          game(programFolder(), {clock, sound, prompts, pump, view, registry})
    {
        // A round that nothing ends would spin for ever: fail the test and close the window instead.
        pump.whenIdle = [this] {
            if (pump.calls > 100000) {
                ADD_FAILURE() << "the round did not end";
                game.Form_Unload();
            }
        };
    }

    std::string programFolder() const { return m_folder.path().toStdString(); }
    std::string themeFile(const std::string& theme, const std::string& file) const
    {
        return programFolder() + "/" + theme + "/" + file;
    }

    // Presses Start; the theme load's own pass of the pump comes first, so the queued steps run in the round.
    void startRound()
    {
        pump.steps.push_front([] {});
        game.Command1_Click();
    }

    void startUp()
    {
        game.Form_Initialize();
        game.Form_Load();
    }

    // Theme1 of three objects with an empty table, and a start-up on it that reports nothing.
    void startUpOnTheme1()
    {
        writeTheme(programFolder(), "Theme1", makeRowTheme(3));
        ASSERT_FALSE(writeHighScoreFile(themeFile("Theme1", ThemeFiles::kHighScores), {}));
        startUp();
        ASSERT_EQ(messageTitles(), std::vector<std::string>{});
    }

    // Centre of object i's picture, in canvas pixels.
    double centreX(int i) const { return game.state().ObjX[i] + game.pictures().PicSprite[i].width() / 2.0; }
    double centreY(int i) const { return game.state().ObjY[i] + game.pictures().PicSprite[i].height() / 2.0; }
    std::pair<int, int> position(int i) const { return {game.state().ObjX[i], game.state().ObjY[i]}; }

    // Hovers over object i's tube, presses on the object and moves onto a solid pixel: it is carried.
    void pickUp(int i)
    {
        game.PicCanvas_MouseMove(game.state().ContX[i] + 1.0, game.state().ContY[i] + 1.0);
        m_grabX = m_handX = centreX(i);
        m_grabY = m_handY = centreY(i);
        game.PicCanvas_MouseDown(kLeftButton, m_grabX, m_grabY);
        game.PicCanvas_MouseMove(m_grabX, m_grabY);
    }

    // Moves the hand by (dx, dy) from where it grabbed.
    void carryBy(double dx, double dy) { moveHand(m_grabX + dx, m_grabY + dy); }

    // Moves the hand so the carried object's centre lands on the box's centre.
    void carryToBox(int i)
    {
        const Surface& box = game.pictures().PicPlainSprite[0];
        moveHand(game.state().BoxX[0] + box.width() / 2.0 + m_handX - centreX(i),
                 game.state().BoxY[0] + box.height() / 2.0 + m_handY - centreY(i));
    }

    void moveHand(double x, double y)
    {
        m_handX = x;
        m_handY = y;
        game.PicCanvas_MouseMove(x, y);
    }

    std::vector<std::string> messageTitles() const
    {
        std::vector<std::string> titles;
        for (const auto& message : prompts.messages)
            titles.push_back(message.title);
        return titles;
    }

    // The file names of the sounds played, in order.
    std::vector<std::string> soundNames() const
    {
        std::vector<std::string> names;
        for (const std::string& path : sound.played)
            names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    FakeClock clock;
    RecordingSound sound;
    ScriptedPrompts prompts;
    ScriptedPump pump;
    RecordingView view;
    RegistryStore registry;
    Game game;

private:
    double m_grabX = 0;
    double m_grabY = 0;
    double m_handX = 0;
    double m_handY = 0;
};
