#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "atomic_file.h"
#include "high_score_table.h"
#include "score_time.h"

namespace {

HighScoreTable rankedTable()
{
    HighScoreTable table;
    int row = 0;
    for (const char* time : {"10", "20", "30", "40", "50", "60", "70", "80", "90", "95"})
        table[row++].time = time;
    return table;
}

std::string rowsText(const HighScoreTable& table)
{
    std::string text;
    for (const HighScoreRow& row : table)
        text += row.name + '|' + row.date + '|' + row.time + '\n';
    return text;
}

class HighScoreFile : public ::testing::Test {
protected:
    QTemporaryDir m_folder;
    const std::string m_path = m_folder.filePath("HighScores.ini").toStdString();
};

}  // namespace

TEST(HighScorePlace, FirstRowWithAGreaterTime)
{
    const std::pair<double, std::optional<int>> inDefaults[] = {
        {35.2, 0}, {99.99, 0}, {100.0, std::nullopt}, {250.0, std::nullopt}};
    for (const auto& [time, place] : inDefaults)
        EXPECT_EQ(findHighScorePlace(HighScoreTable{}, time), place) << time;
    const std::pair<double, std::optional<int>> inRanked[] = {
        {40.0, 4}, {39.99, 3}, {94.5, 9}, {95.0, std::nullopt}};  // an equal time goes below
    for (const auto& [time, place] : inRanked)
        EXPECT_EQ(findHighScorePlace(rankedTable(), time), place) << time;
}

TEST(HighScorePlace, InsertingShiftsRowsDownAndPushesTheLastOut)
{
    HighScoreTable table = rankedTable();
    insertHighScore(table, 0, {"Ann", "01/02/26", "5"});
    insertHighScore(table, 9, {"Bob", "d", "89"});
    EXPECT_EQ(table[0].name, "Ann");
    EXPECT_EQ(table[1].time, "10");
    EXPECT_EQ(table[8].time, "80");
    EXPECT_EQ(table[9].name, "Bob");
}

TEST_F(HighScoreFile, RoundTripKeepsCommasAndQuotesAndStoresTimesWithAPoint)
{
    HighScoreTable table;
    table[0] = {"Smith, John", "06/12/2026", "12,5"};
    table[1] = {"The \"Ace\"", "06/12/2026", "20"};
    table[2] = {"", "", "30.25"};
    ASSERT_FALSE(writeHighScoreFile(m_path, table));
    const std::optional<HighScoreTable> read = readHighScoreFile(m_path);
    ASSERT_TRUE(read);
    table[0].time = "12.5";
    EXPECT_EQ(rowsText(*read), rowsText(table));

    QFile file(QString::fromStdString(m_path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\"Smith, John\"\r\n\"06/12/2026\"\r\n\"12.5\"\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 30);
}

TEST_F(HighScoreFile, MissingShortAndDamagedFilesKeepWhatCanBeRead)
{
    EXPECT_FALSE(readHighScoreFile(m_path));
    ASSERT_FALSE(writeFileAtomically(m_path,
                                     "\"Ann\"\r\n\"d1\"\r\n\"12,5\"\r\n\"Bob\"\r\n\"d2\"\r\n\"\"\r\n"
                                     "\"Cy\"\r\n\"d3\"\r\n\"44.25\"\r\n\"Dee\"\r\n"));
    const std::optional<HighScoreTable> read = readHighScoreFile(m_path);
    ASSERT_TRUE(read);
    HighScoreTable expected;
    expected[0] = {"Ann", "d1", "12.5"};  // a comma-locale time reads as the same number
    expected[2] = {"Cy", "d3", "44.25"};  // row 1's time is empty and row 3 is cut short: both take the defaults
    EXPECT_EQ(rowsText(*read), rowsText(expected));
}

TEST(ScoreTime, RoundedToHundredthsShownShortestAndReadWithEitherPoint)
{
    EXPECT_DOUBLE_EQ(elapsedSeconds(37424), 37.42);
    EXPECT_DOUBLE_EQ(elapsedSeconds(37425), 37.43);
    EXPECT_DOUBLE_EQ(elapsedSeconds(4), 0.0);
    const std::pair<double, const char*> shown[] = {{12.5, "12.5"}, {5.0, "5"}, {0.07, "0.07"}, {100.0, "100"}};
    for (const auto& [seconds, text] : shown)
        EXPECT_EQ(formatSeconds(seconds, '.'), text);
    EXPECT_EQ(formatSeconds(37.42, ','), "37,42");
    const std::pair<const char*, double> stored[] = {
        {"12.35", 12.35}, {"12,5", 12.5}, {" 7 seconds", 7.0}, {"abc", 0.0}, {"", 0.0}};
    for (const auto& [text, seconds] : stored)
        EXPECT_DOUBLE_EQ(timeValue(text), seconds) << text;
}
