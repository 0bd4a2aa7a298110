#pragma once

#include <string>

#include "high_score_table.h"

class Surface;

// What the game shows, as the rules ask for it. The main window implements it; tests record it.
class GameView {
public:
    virtual ~GameView() = default;

    virtual void setCaption(const std::string& text) = 0;
    virtual void setTimeText(const std::string& text) = 0;
    // The play canvas takes the background's size.
    virtual void setCanvasSize(int width, int height) = 0;
    // Lays the window and its buttons out around the canvas.
    virtual void fitWindowToCanvas() = 0;
    // Copies the frame to the canvas and repaints it now.
    virtual void present(const Surface& frame) = 0;
    virtual void showHighScoreRows(const HighScoreTable& table) = 0;
    virtual void setHighScorePanelVisible(bool visible) = 0;

    // Today's date in the user's short date format, and the user's decimal point.
    virtual std::string todayShortDate() = 0;
    virtual char decimalPoint() = 0;
};
