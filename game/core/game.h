#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game_state.h"
#include "high_score_table.h"
#include "hit_tests.h"
#include "mouse_buttons.h"
#include "surface.h"
#include "theme_files.h"
#include "theme_locations.h"
#include "theme_package.h"

class Clock;
class GameView;
class Prompts;
class Pump;
class RegistryStore;
class SoundPlayer;

// Everything the rules need from outside: the clock, the sound, the dialogs, the event pump and the window.
struct GameServices {
    Clock& clock;
    SoundPlayer& sound;
    Prompts& prompts;
    Pump& pump;
    GameView& view;
    RegistryStore& registry;
};

constexpr std::int64_t kLockOutMs = 500;

// The game's rules: start-up, theme loading, the round and its loop, the pointer, the slide back and the
// high scores. Owned by the main window, which forwards its events here and shows what the view is told.
class Game {
public:
    Game(ThemeLocations themes, GameServices services);
    // A portable game over its program folder.
    Game(const std::string& programFolder, GameServices services);

    // Start-up and theme loading: `firstTheme` is the theme the first load asks for.
    void initialize(const std::string& firstTheme = ThemeFiles::kDefaultTheme);
    // False when no theme could be loaded: the chosen one and the default theme both failed.
    bool loadCurrentTheme();
    bool loadTheme(const std::string& name);
    // "Change the theme": the chooser, then a load of whatever theme is current afterwards.
    void chooseTheme();
    // The About button: left opens the About window, right shows the theme's details.
    void aboutButtonReleased(int button);

    // The round.
    void startRound();
    void runRoundLoop();
    // The window closes: every running loop returns at its next pass.
    void windowClosing();

    // The canvas's pointer events, positions in canvas pixels.
    void canvasPressed(int button, double x, double y);
    void canvasMoved(double x, double y);
    void canvasReleased();

    // High scores.
    // From now on the tables live in memory only: no score file is read or written, and each theme loaded starts
    // with a table of defaults.
    void keepScoresInMemoryOnly() { m_scoresInMemoryOnly = true; }
    void enterHighScore(double seconds);
    void loadHighScores();
    // What went wrong when the table could not be written.
    std::optional<std::string> saveHighScores();
    void showHighScores();
    void hideHighScores();

    std::string themeName;
    const std::string& themeDescription() const { return m_description; }
    const std::string& themeDateLine() const { return m_dateLine; }

    const GameState& state() const { return m_state; }
    const ThemePictures& pictures() const { return m_pictures; }
    const HighScoreTable& highScores() const { return m_highScores; }
    const ThemeSounds& sounds() const { return m_sounds; }
    bool hasTheme() const { return m_hasTheme; }
    bool isRendering() const { return !m_stopRendering; }
    bool isLockedOut() const { return m_blankShowsAlternate; }
    bool isCarrying() const { return m_carrying; }
    int canvasWidth() const { return m_canvasWidth; }
    int canvasHeight() const { return m_canvasHeight; }

private:
    bool loadThemeOrDefault(const std::string& name, bool fallingBack);
    void reportLoadFailure(const std::string& name, const struct ThemeLoadError& error);
    void applyTheme(const std::string& name, ThemePackage package);
    void resizeCanvas(int width, int height);

    void runFrameTests();
    bool allDelivered() const;
    void showFailure(int number, const std::string& description);

    void slideBack();
    void pollRestoreTimer();
    const Surface& blank() const;
    bool hasCurrentObject() const;

    ThemeLocations m_themes;
    GameServices m_services;
    std::string m_themeOnScreen;

    GameState m_state;
    ThemePictures m_pictures;
    Surface m_backBuffer;
    OverlapSurface m_overlap;
    ThemeSounds m_sounds;
    std::string m_description;
    std::string m_dateLine;
    bool m_detailsCutShort = false;
    HighScoreTable m_highScores;
    // The table holds an entry the theme folder refused: it stays on screen until a theme is loaded.
    bool m_unsavedScores = false;
    bool m_scoresInMemoryOnly = false;
    bool m_hasTheme = false;
    int m_canvasWidth = 320;
    int m_canvasHeight = 240;

    bool m_stopRendering = true;
    bool m_closing = false;
    // A round's loop is running; a Start meanwhile asks it to begin the round anew instead of nesting another.
    bool m_roundRunning = false;
    bool m_restartRound = false;
    bool m_buttonHeld = false;
    bool m_carrying = false;
    std::int16_t m_grabX = 0;
    std::int16_t m_grabY = 0;

    // While a slid-back object keeps the pointer locked out, the clean background is the alternate copy.
    bool m_blankShowsAlternate = false;
    std::int64_t m_restoreDueMs = 0;
};
