#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "game_view.h"
#include "surface.h"

// Keeps what the game showed, for tests.
class RecordingView : public GameView {
public:
    void setCaption(const std::string& text) override { caption = text; }
    void setTimeText(const std::string& text) override { timeText = text; }
    void setCanvasSize(int width, int height) override
    {
        canvasWidth = width;
        canvasHeight = height;
    }
    void fitWindowToCanvas() override { ++layouts; }
    void present(const Surface& frame) override
    {
        if (failPresent)
            throw std::runtime_error("The canvas could not be drawn");
        lastFrame = frame;
        ++frames;
    }
    void showHighScoreRows(const HighScoreTable& table) override { rows = table; }
    void setHighScorePanelVisible(bool visible) override { panelVisible = visible; }
    std::string todayShortDate() override { return "06/12/2026"; }
    char decimalPoint() override { return point; }

    std::string caption;
    std::string timeText;
    int canvasWidth = 0;
    int canvasHeight = 0;
    int layouts = 0;
    int frames = 0;
    Surface lastFrame;
    HighScoreTable rows;
    bool panelVisible = false;
    char point = '.';
    bool failPresent = false;
};
