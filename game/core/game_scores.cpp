#include "game.h"
#include "game_view.h"
#include "prompts.h"
#include "score_file.h"
#include "score_time.h"
#include "theme_files.h"

namespace {

// A name is one record on one line of the score file: a line break pasted into the name box would split it and
// shift every later field on the next read.
std::string oneLine(std::string name)
{
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return name;
}

}  // namespace

void Game::enterHighScore(double seconds)
{
    const std::string time = formatSeconds(seconds, '.');
    const std::optional<int> place = findHighScorePlace(m_highScores, timeValue(time));
    if (!place)
        return;
    // The name is asked first, so that no other game waits on the table's lock while this one shows a dialog.
    std::string name = oneLine(m_services.prompts.input("What is your name?", "You got a highscore", ""));
    HighScoreRow row{std::move(name), m_services.view.todayShortDate(), time};
    if (m_scoresInMemoryOnly) {
        insertHighScore(m_highScores, *place, std::move(row));
        m_services.view.showHighScoreRows(m_highScores);
        return;
    }
    StoredEntry entry = enterStoredHighScore(m_themes.scoreFile(themeName), std::move(row));
    m_highScores = std::move(entry.table);
    m_services.view.showHighScoreRows(m_highScores);
    // A theme folder that cannot be written keeps its old table; the player is told, and the entry stays on
    // screen for as long as the theme does.
    const std::optional<std::string>& failure = entry.failure;
    m_unsavedScores = failure.has_value();
    if (failure)
        m_services.prompts.message(
            "Score not saved",
            "Your score could not be saved:\r\n" + *failure + "\r\nThe table shows it until the theme is loaded again.",
            MessageIcon::Exclamation);
}

void Game::loadHighScores()
{
    m_unsavedScores = false;
    if (m_scoresInMemoryOnly) {
        m_highScores = HighScoreTable{};
        m_services.view.showHighScoreRows(m_highScores);
        return;
    }
    const ScoreFilePlace place = m_themes.scoreFile(themeName);
    const std::string& path = place.path;
    const std::optional<StoredHighScores> stored = readScoreFile(place);
    m_highScores = stored ? stored->table : HighScoreTable{};
    m_services.view.showHighScoreRows(m_highScores);
    if (!stored)
        m_services.prompts.message("File not found", "Highscore file not found", MessageIcon::Exclamation);
    else if (stored->unreadableRows > 0)
        m_services.prompts.message(
            "Highscores damaged",
            std::to_string(stored->unreadableRows) + " of the " + std::to_string(kHighScoreRows) + " rows of \"" +
                path + "\" could not be read; they show as \"" + HighScoreRow{}.name + "\", " + HighScoreRow{}.date +
                ", " + HighScoreRow{}.time + ".\r\nThe file is written whole again with the next high score.",
            MessageIcon::Exclamation);
}

std::optional<std::string> Game::saveHighScores()
{
    if (m_scoresInMemoryOnly)
        return std::nullopt;
    return writeHighScoreFile(m_themes.scoreFile(themeName).path, m_highScores);
}

void Game::showHighScores()
{
    // The file is read anew, as another player's scores may have reached it, unless it lacks an entry of ours or
    // there is no file.
    if (m_unsavedScores || m_scoresInMemoryOnly)
        m_services.view.showHighScoreRows(m_highScores);
    else
        loadHighScores();
    m_services.view.setHighScorePanelVisible(true);
}

void Game::hideHighScores()
{
    m_services.view.setHighScorePanelVisible(false);
}
