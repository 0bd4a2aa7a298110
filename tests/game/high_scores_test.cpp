#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "atomic_file.h"
#include "high_score_table.h"
#include "score_time.h"

namespace {

HighScoreTable tableWithTimes(std::initializer_list<const char*> times)
{
    HighScoreTable table;
    int row = 0;
    for (const char* time : times)
        table[row++].time = time;
    return table;
}

}  // namespace

TEST(HighScorePlace, DefaultTableAndEqualTimes)
{
    HighScoreTable table;
    EXPECT_EQ(findHighScorePlace(table, 35.2), 0);
    EXPECT_EQ(findHighScorePlace(table, 100.0), std::nullopt);
    EXPECT_EQ(findHighScorePlace(table, 250.0), std::nullopt);
    EXPECT_EQ(findHighScorePlace(table, 99.99), 0);

    const HighScoreTable ranked = tableWithTimes({"10", "20", "30", "40", "50", "60", "70", "80", "90", "95"});
    EXPECT_EQ(findHighScorePlace(ranked, 40.0), 4);  // an equal time goes below
    EXPECT_EQ(findHighScorePlace(ranked, 39.99), 3);
    EXPECT_EQ(findHighScorePlace(ranked, 94.5), 9);
    EXPECT_EQ(findHighScorePlace(ranked, 95.0), std::nullopt);
}

TEST(HighScorePlace, InsertingShiftsRowsDownAndDropsTheLast)
{
    HighScoreTable table = tableWithTimes({"10", "20", "30", "40", "50", "60", "70", "80", "90", "95"});
    insertHighScore(table, 0, {"Ann", "01/02/26", "5"});
    EXPECT_EQ(table[0].name, "Ann");
    EXPECT_EQ(table[1].time, "10");
    EXPECT_EQ(table[9].time, "90");

    insertHighScore(table, 9, {"Bob", "d", "89"});
    EXPECT_EQ(table[8].time, "80");
    EXPECT_EQ(table[9].name, "Bob");
}

TEST(HighScoreFile, RoundTripKeepsCommasAndQuotesInNames)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("HighScores.ini").toStdString();
    HighScoreTable table;
    table[0] = {"Smith, John", "06/12/2026", "12.35"};
    table[1] = {"The \"Ace\"", "06/12/2026", "20"};
    table[2] = {"", "", "30.5"};
    ASSERT_FALSE(writeHighScoreFile(path, table));
    const std::optional<HighScoreTable> read = readHighScoreFile(path);
    ASSERT_TRUE(read);
    for (int i = 0; i < kHighScoreRows; ++i) {
        EXPECT_EQ((*read)[i].name, table[i].name) << i;
        EXPECT_EQ((*read)[i].date, table[i].date) << i;
        EXPECT_EQ((*read)[i].time, table[i].time) << i;
    }
}

TEST(HighScoreFile, MissingFileIsReportedAsMissing)
{
    QTemporaryDir folder;
    EXPECT_FALSE(readHighScoreFile(folder.filePath("HighScores.ini").toStdString()));
}

TEST(HighScoreFile, ShortAndDamagedFilesKeepWhatCanBeRead)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("HighScores.ini").toStdString();
    ASSERT_FALSE(writeFileAtomically(path,
                                     "\"Ann\"\r\n\"d1\"\r\n\"12,5\"\r\n\"Bob\"\r\n\"d2\"\r\n\"\"\r\n"
                                     "\"Cy\"\r\n\"d3\"\r\n\"44.25\"\r\n\"Dee\"\r\n"));
    const std::optional<HighScoreTable> read = readHighScoreFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)[0].name, "Ann");
    EXPECT_EQ((*read)[0].time, "12.5");  // a comma-locale time reads as the same number
    EXPECT_DOUBLE_EQ(timeValue((*read)[0].time), 12.5);
    EXPECT_EQ((*read)[1].name, "Nobody");  // empty time: the row takes the defaults
    EXPECT_EQ((*read)[2].time, "44.25");
    EXPECT_EQ((*read)[3].name, "Nobody");  // the file ends inside this row
    EXPECT_EQ((*read)[9].time, "100");
}

TEST(HighScoreFile, StoredTimesAlwaysUseAPoint)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("HighScores.ini").toStdString();
    HighScoreTable table;
    table[0].time = "12,5";
    ASSERT_FALSE(writeHighScoreFile(path, table));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\"Nobody\"\r\n\"00/00/00\"\r\n\"12.5\"\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 30);
}

TEST(ScoreTime, RoundsToHundredthsAndShowsTheShortestText)
{
    EXPECT_DOUBLE_EQ(elapsedSeconds(37424), 37.42);
    EXPECT_DOUBLE_EQ(elapsedSeconds(37425), 37.43);
    EXPECT_DOUBLE_EQ(elapsedSeconds(4), 0.0);
    EXPECT_EQ(formatSeconds(12.5, '.'), "12.5");
    EXPECT_EQ(formatSeconds(5.0, '.'), "5");
    EXPECT_EQ(formatSeconds(37.42, ','), "37,42");
    EXPECT_EQ(formatSeconds(0.07, '.'), "0.07");
    EXPECT_EQ(formatSeconds(elapsedSeconds(100000), '.'), "100");
}

TEST(ScoreTime, ValueOfStoredTexts)
{
    EXPECT_DOUBLE_EQ(timeValue("12.35"), 12.35);
    EXPECT_DOUBLE_EQ(timeValue("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(timeValue(" 7 seconds"), 7.0);
    EXPECT_DOUBLE_EQ(timeValue("abc"), 0.0);
    EXPECT_DOUBLE_EQ(timeValue(""), 0.0);
    EXPECT_DOUBLE_EQ(timeValue("100"), 100.0);
}
