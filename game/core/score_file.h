#pragma once

#include <optional>
#include <string>

#include "high_score_table.h"
#include "theme_locations.h"

// The table after a new row went in, and what went wrong when it could not be stored.
struct StoredEntry {
    HighScoreTable table;
    std::optional<std::string> failure;
};

// Enters `row` (whose time is in seconds with "." as decimal point) into the stored table under a lock: the
// table is read again, the row goes into its place by the usual rule (or nowhere, when the table has become
// better meanwhile), and the table is written, all before another game may do the same. So two games playing
// the same theme at once never lose each other's rows, whatever tables they had read before.
StoredEntry enterStoredHighScore(const ScoreFilePlace& place, HighScoreRow row);
