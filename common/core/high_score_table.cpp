#include "high_score_table.h"

#include "atomic_file.h"
#include "file_lookup.h"
#include "records.h"
#include "score_time.h"
#include "text_file.h"
#include "theme_locations.h"

namespace {

constexpr int kFieldsPerRow = 3;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Every record of this file stands on a line of its own, so a line is read whole: a quote inside a name
// (which the writer puts down as it is) is kept instead of ending the field early.
std::string fieldOfLine(std::string_view line)
{
    line = trimmed(line);
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        return std::string(line.substr(1, line.size() - 2));
    if (!line.empty() && line.front() == '"')
        return std::string(line.substr(1));
    return std::string(trimmed(line.substr(0, line.find(','))));
}

// A time written under a comma locale ("12,5") is stored back as "12.5", so every file reads alike.
std::string normalisedTime(std::string time)
{
    const std::size_t comma = time.find(',');
    if (comma != std::string::npos && time.find('.') == std::string::npos)
        time[comma] = '.';
    return time;
}

}  // namespace

std::optional<int> findHighScorePlace(const HighScoreTable& table, double time)
{
    std::optional<int> place;
    for (int k = 0; k < kHighScoreRows; ++k) {
        const int row = kHighScoreRows - 1 - k;
        if (timeValue(table[row].time) > time)
            place = row;
    }
    return place;
}

void insertHighScore(HighScoreTable& table, int place, HighScoreRow row)
{
    for (int j = kHighScoreRows - 1; j > place; --j)
        table[j] = table[j - 1];
    table[place] = std::move(row);
}

std::optional<StoredHighScores> readHighScoreFile(const std::string& path)
{
    if (!fileExists(path))
        return std::nullopt;
    Result<std::string> text = readTextFile(path);
    if (!text)
        return StoredHighScores{HighScoreTable{}, kHighScoreRows};
    return parseHighScores(std::move(text.value()));
}

std::optional<StoredHighScores> readScoreFile(const ScoreFilePlace& place)
{
    if (fileExists(place.path) || place.startingPath.empty())
        return readHighScoreFile(place.path);
    return readHighScoreFile(place.startingPath);
}

StoredHighScores parseHighScores(std::string text)
{
    StoredHighScores stored;
    RecordReader reader(std::move(text));
    for (HighScoreRow& row : stored.table) {
        std::string fields[kFieldsPerRow];
        bool cutShort = false;
        for (std::string& field : fields) {
            const std::optional<std::string> line = reader.readLine();
            cutShort = cutShort || !line;
            field = fieldOfLine(line.value_or(std::string()));
        }
        // An empty time is how a row says it holds no score: it takes the defaults, and the file is sound.
        if (!cutShort && fields[2].empty())
            continue;
        if (cutShort || !storedTimeValue(fields[2])) {
            ++stored.unreadableRows;
            continue;
        }
        row = {fields[0], fields[1], normalisedTime(fields[2])};
    }
    return stored;
}

std::optional<std::string> writeHighScoreFile(const std::string& path, const HighScoreTable& table)
{
    std::string records;
    for (const HighScoreRow& row : table)
        records += textRecord(row.name) + textRecord(row.date) + textRecord(normalisedTime(row.time));
    return writeFileAtomicallyOrInPlace(path, records);
}
