#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "file_size_limit.h"
#include "high_score_table.h"
#include "score_time.h"
#include "test_files.h"

TEST(HighScorePlace, FirstRowWithAGreaterTimeTakesTheScoreAndTheLastRowDropsOut)
{
    // A row stored right before the table beats every time: a search that strayed past row 0 would take it.
    struct {
        HighScoreRow before{"", "", "1000"};
        HighScoreTable table;
    } rows;
    for (int row = 0; row < kHighScoreRows; ++row)
        rows.table[row].time = std::to_string(row * 10 + 10);
    const std::pair<double, std::optional<int>> inRanked[] = {
        {5.0, 0}, {40.0, 4}, {39.99, 3}, {99.5, 9}, {100.0, std::nullopt}};  // an equal time goes below
    for (const auto& [time, place] : inRanked)
        EXPECT_EQ(findHighScorePlace(rows.table, time), place) << time;
    insertHighScore(rows.table, 0, {"Ann", "01/02/26", "5"});
    insertHighScore(rows.table, 9, {"Bob", "d", "89"});
    EXPECT_EQ(std::tie(rows.table[0].name, rows.table[1].time, rows.table[8].time, rows.table[9].name),
              std::tuple("Ann", "10", "80", "Bob"));
}

TEST(HighScoreFile, RoundTripKeepsCommasAndQuotesStoresPointsAndADamagedFileKeepsWhatCanBeRead)
{
    ScratchFolder folder;
    const std::string path = folder.file("HighScores.ini");
    // Rows 0 to 3, a row a line, so that a failure shows them whole.
    const auto rowsRead = [&] {
        const StoredHighScores stored = readHighScoreFile(path).value();
        const HighScoreTable& read = stored.table;
        std::string text = std::to_string(stored.unreadableRows) + " unreadable\n";
        for (int row = 0; row < 4; ++row)
            text += read[row].name + '|' + read[row].date + '|' + read[row].time + '\n';
        return text;
    };
    ASSERT_FALSE(writeHighScoreFile(
        path, {{{"Smith, John", "06/12/2026", "12,5"}, {"The \"Ace\"", "06/12/2026", "20"}, {"", "", "30.25"}}}));
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.rfind("\"Smith, John\"\r\n\"06/12/2026\"\r\n\"12.5\"\r\n", 0), 0u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30);  // 30 records, a line each
    EXPECT_EQ(rowsRead(),
              "0 unreadable\nSmith, John|06/12/2026|12.5\nThe \"Ace\"|06/12/2026|20\n||30.25\nNobody|00/00/00|100\n");

    // A comma-locale time reads as the same number; row 1's time is no number, row 3 is cut short and rows 4 to
    // 9 are missing: they take the defaults.
    writeBytes(path,
               "\"Ann\"\r\n\"d1\"\r\n\"12,5\"\r\n\"Bob\"\r\n\"d2\"\r\n\"x1\"\r\n\"Cy\"\r\n\"d3\"\r\n\"44.25\"\r\n"
               "\"Dee\"\r\n");
    EXPECT_EQ(rowsRead(), "8 unreadable\nAnn|d1|12.5\nNobody|00/00/00|100\nCy|d3|44.25\nNobody|00/00/00|100\n");

    // A row with an empty time holds no score: it takes the defaults and is no damage, also as the last row.
    std::string sound;
    for (int row = 0; row < kHighScoreRows; ++row)
        sound += row == 1 || row == 9 ? "\"Eve\"\r\n\"d\"\r\n\"\"\r\n" : "\"Ann\"\r\n\"d1\"\r\n\"12\"\r\n";
    writeBytes(path, sound);
    EXPECT_EQ(rowsRead(), "0 unreadable\nAnn|d1|12\nNobody|00/00/00|100\nAnn|d1|12\nAnn|d1|12\n");
    EXPECT_EQ(readHighScoreFile(path)->table[9].name, "Nobody");
}

TEST(HighScoreFile, ASaveCutShortAnywhereLeavesThePreviousFileWhole)
{
    ScratchFolder folder;
    const std::string path = folder.file("HighScores.ini");
    HighScoreTable table;
    table[0] = {"Ann", "01/02/26", "12.5"};
    ASSERT_FALSE(writeHighScoreFile(path, table));
    const std::string before = readBytes(path);
    table[0].name = "Bob, who typed a longer name";
    ASSERT_FALSE(writeHighScoreFile(folder.file("whole"), table));
    const std::string after = readBytes(folder.file("whole"));
    for (rlim_t cut = 0; cut <= after.size(); ++cut) {
        std::optional<std::string> failure;
        {
            FileSizeLimit limit(cut);
            failure = writeHighScoreFile(path, table);
        }
        ASSERT_EQ(readBytes(path), failure ? before : after) << cut;
        ASSERT_EQ(failure.has_value(), cut < after.size()) << cut;
    }
    const auto entries = std::filesystem::directory_iterator(folder.path());
    EXPECT_EQ(std::distance(std::filesystem::begin(entries), std::filesystem::end(entries)), 2);  // no leftovers
}

TEST(ScoreTime, RoundedToHundredthsShownShortestAndReadWithEitherPoint)
{
    // Hundredths are whole numbers divided once, so they compare equal to the literals.
    EXPECT_EQ(std::tuple(elapsedSeconds(37424), elapsedSeconds(37425), elapsedSeconds(4)),
              std::tuple(37.42, 37.43, 0.0));
    const std::tuple<double, char, const char*> shown[] = {
        {12.5, '.', "12.5"}, {5.0, '.', "5"}, {0.07, '.', "0.07"}, {100.0, '.', "100"}, {37.42, ',', "37,42"}};
    for (const auto& [seconds, point, text] : shown)
        EXPECT_EQ(formatSeconds(seconds, point), text);
    const std::pair<const char*, double> stored[] = {
        {"19.35", 19.35}, {"12,5", 12.5}, {" 7 seconds", 7.0}, {"abc", 0.0}, {"", 0.0}};
    for (const auto& [text, seconds] : stored)
        EXPECT_DOUBLE_EQ(timeValue(text), seconds) << text;
}
