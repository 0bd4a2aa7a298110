#pragma once

#include <array>
#include <optional>
#include <string>

struct ScoreFilePlace;

// One place of a theme's table: the texts as they are stored and shown.
struct HighScoreRow {
    std::string name = "Nobody";
    std::string date = "00/00/00";
    std::string time = "100";  // seconds, with "." as decimal point
};

constexpr int kHighScoreRows = 10;

// Ten places, row 0 the best (smallest) time.
using HighScoreTable = std::array<HighScoreRow, kHighScoreRows>;

// The row a time enters: the first row whose time is greater (an equal time goes below it), or nothing
// when the time is not better than row 9.
std::optional<int> findHighScorePlace(const HighScoreTable& table, double time);

// Puts the row at `place`, moving the rows below it down; the former last row drops out.
void insertHighScore(HighScoreTable& table, int place, HighScoreRow row);

// A table as read from its file, and how many of its rows could not be read: cut short, missing, or with a
// time that is not a number. Those take the defaults, so a damaged file never puts an unbeatable 0 on top. A row
// whose time is empty takes the defaults too, but is sound: that is how a row holds no score.
struct StoredHighScores {
    HighScoreTable table;
    int unreadableRows = 0;
};

// Reads a table file. Nothing when the file does not exist. A damaged file never fails: every row that can
// be read is kept and the rest take the defaults.
std::optional<StoredHighScores> readHighScoreFile(const std::string& path);

// Reads a theme's table from where it is kept, or from the table it starts from while it has no file of its
// own. Nothing when neither exists. Nothing is written, so a chooser may read the tables of themes not loaded.
std::optional<StoredHighScores> readScoreFile(const ScoreFilePlace& place);

// The table in the decoded text of such a file, as leniently.
StoredHighScores parseHighScores(std::string text);

// Writes the table as 30 quoted records, times with "." as decimal point. Returns the reason on failure.
std::optional<std::string> writeHighScoreFile(const std::string& path, const HighScoreTable& table);
