#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "game.h"
#include "game_view.h"

class HighScorePanel;
class ImageButton;
class SurfaceCanvas;
class TextFitLayout;

// What the main window needs from outside; the program passes the real ones, tests their own.
struct GameWindowServices {
    Clock& clock;
    SoundPlayer& sound;
    Pump& pump;
    RegistryStore& registry;
    Prompts* prompts = nullptr;  // nothing: real message boxes over this window
};

// The game's main window: the canvas, Start and HighScores, the two image buttons, the time label and the
// high-score panel. It forwards every event to the game's rules and shows what they report.
class GameWindow : public QWidget, public GameView {
    Q_OBJECT
public:
    GameWindow(ThemeLocations themes, GameWindowServices services);
    // A portable game over its program folder.
    GameWindow(const std::string& programFolder, GameWindowServices services);
    ~GameWindow() override;

    // Runs the start-up: the first theme (the default theme unless told otherwise) is loaded and the window laid
    // out around the canvas.
    void start(const std::string& firstTheme = ThemeFiles::kDefaultTheme);

    Game& game() { return *m_game; }
    SurfaceCanvas* canvas() const { return m_canvas; }
    QPushButton* startButton() const { return m_startButton; }
    QPushButton* highScoresButton() const { return m_highScoresButton; }
    QLabel* timeLabel() const { return m_timeLabel; }
    QWidget* timeClickArea() const { return m_timeClickArea; }
    HighScorePanel* highScorePanel() const { return m_highScorePanel; }

    void setCaption(const std::string& text) override;
    void setTimeText(const std::string& text) override;
    void setCanvasSize(int width, int height) override;
    void fitWindowToCanvas() override;
    void present(const Surface& frame) override;
    void showHighScoreRows(const HighScoreTable& table) override;
    void setHighScorePanelVisible(bool visible) override;
    std::string todayShortDate() override;
    char decimalPoint() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void toggleTimeLabel();

    std::unique_ptr<Prompts> m_ownPrompts;
    std::unique_ptr<Game> m_game;

    TextFitLayout* m_layout;
    SurfaceCanvas* m_canvas;
    QPushButton* m_startButton;
    QPushButton* m_highScoresButton;
    ImageButton* m_aboutButton;
    ImageButton* m_themeButton;
    QLabel* m_timeLabel;
    QWidget* m_timeClickArea;
    HighScorePanel* m_highScorePanel;
};
