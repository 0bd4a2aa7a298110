#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records.h"
#include "rounding.h"

TEST(NumberRecord, ParsesDecimalsAndRoundsHalvesToEven)
{
    EXPECT_EQ(parseNumberRecord("120"), 120);
    EXPECT_EQ(parseNumberRecord("-5"), -5);
    EXPECT_EQ(parseNumberRecord("+5"), 5);
    EXPECT_EQ(parseNumberRecord(" 7 "), 7);
    EXPECT_EQ(parseNumberRecord("\t7\t"), 7);
    EXPECT_EQ(parseNumberRecord("0"), 0);
    EXPECT_EQ(parseNumberRecord("-0"), 0);
    EXPECT_EQ(parseNumberRecord("007"), 7);
    EXPECT_EQ(parseNumberRecord("2.5"), 2);
    EXPECT_EQ(parseNumberRecord("3.5"), 4);
    EXPECT_EQ(parseNumberRecord("-2.5"), -2);
    EXPECT_EQ(parseNumberRecord("2.51"), 3);
    EXPECT_EQ(parseNumberRecord(".5"), 0);
    EXPECT_EQ(parseNumberRecord("5."), 5);
    EXPECT_EQ(parseNumberRecord("32767"), 32767);
    EXPECT_EQ(parseNumberRecord("-32768"), -32768);
    EXPECT_EQ(parseNumberRecord("32766.5"), 32766);
    EXPECT_EQ(parseNumberRecord("-32768.5"), -32768);
}

TEST(NumberRecord, RefusesWhatIsNotAPlainDecimalInRange)
{
    for (const char* text : {"32767.5", "32768", "-32769", "-32768.6", "99999999999999999999999",
                             "",        " ",     "-",      ".",        "+-1",
                             "abc",     "1e3",   "12abc",  "0x10",     "1,5",
                             "1 2",     "1..2",  "inf",    "nan",      "--1",
                             "1\r\n"}) {
        EXPECT_FALSE(parseNumberRecord(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(parseNumberRecord(std::string(400, '9')));
    EXPECT_EQ(parseNumberRecord(std::string(400, '0') + "1"), 1);
}

TEST(NumberRecord, WritesBareDecimalWithCrLf)
{
    EXPECT_EQ(numberRecord(120), "120\r\n");
    EXPECT_EQ(numberRecord(-5), "-5\r\n");
    EXPECT_EQ(numberRecord(0), "0\r\n");
    EXPECT_EQ(numberRecord(32767), "32767\r\n");
    EXPECT_EQ(numberRecord(-32768), "-32768\r\n");
}

TEST(NumberRecord, EveryValueRoundTrips)
{
    for (int value = -32768; value <= 32767; ++value) {
        std::string record = numberRecord(static_cast<std::int16_t>(value));
        ASSERT_EQ(record.substr(record.size() - 2), "\r\n");
        record.resize(record.size() - 2);
        ASSERT_EQ(parseNumberRecord(record), value) << record;
    }
}

TEST(TextRecord, WritesTheTextInQuotesWithCrLf)
{
    EXPECT_EQ(textRecord("Forest"), "\"Forest\"\r\n");
    EXPECT_EQ(textRecord(""), "\"\"\r\n");
    EXPECT_EQ(textRecord("one, two\r\nthree"), "\"one, two\r\nthree\"\r\n");
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(-0.6), -1.0);
}

TEST(Rounding, ToInt16RefusesOverflowAndNonNumbers)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_FALSE(toInt16(32767.5));
    EXPECT_FALSE(toInt16(-32768.6));
    EXPECT_FALSE(toInt16(1e300));
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(toInt16(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(toInt16(std::nan("")));
}

TEST(RecordReader, ReadLineAcceptsCrLfLfAndCr)
{
    RecordReader reader("a\r\nb\nc\rd\r\n\r\ne");
    for (const char* expected : {"a", "b", "c", "d", "", "e"})
        EXPECT_EQ(reader.readLine(), expected);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readLine());
    EXPECT_EQ(reader.lineNumber(), 6);
}

TEST(RecordReader, LastLineEndDoesNotMakeAnEmptyLine)
{
    RecordReader reader("1\r\n2\r\n");
    EXPECT_EQ(reader.readLine(), "1");
    EXPECT_EQ(reader.readLine(), "2");
    EXPECT_FALSE(reader.readLine());
}

TEST(RecordReader, OnlyBlankLinesLeft)
{
    RecordReader reader("1\r\n \r\n\t\r\n\r\n");
    EXPECT_FALSE(reader.onlyBlankLinesLeft());
    reader.readLine();
    EXPECT_TRUE(reader.onlyBlankLinesLeft());
    EXPECT_FALSE(reader.atEnd());
}

TEST(RecordReader, QuotedTextKeepsCommasAndLineBreaks)
{
    RecordReader reader("\"Hills, lakes\r\nand woods\"\r\n\"On the 3/4/2024\"\r\n");
    EXPECT_EQ(reader.readField(), "Hills, lakes\r\nand woods");
    EXPECT_EQ(reader.lineNumber(), 1);
    EXPECT_EQ(reader.readField(), "On the 3/4/2024");
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_FALSE(reader.readField());
}

TEST(RecordReader, QuotedTextWithLfOnlyLineBreakCountsLines)
{
    RecordReader reader("\"a\nb\nc\"\n\"d\"\n");
    EXPECT_EQ(reader.readField(), "a\nb\nc");
    EXPECT_EQ(reader.readField(), "d");
    EXPECT_EQ(reader.lineNumber(), 4);
}

TEST(RecordReader, UnquotedFieldsOnOneLineOrTwoAreTheSame)
{
    for (const char* text : {"120,80\r\n", "120\r\n80\r\n", " 120 , 80 ", "120,80"}) {
        RecordReader reader(text);
        EXPECT_EQ(reader.readField(), "120") << text;
        EXPECT_EQ(reader.readField(), "80") << text;
        EXPECT_FALSE(reader.readField()) << text;
    }
}

TEST(RecordReader, EmptyFieldsBetweenCommas)
{
    RecordReader reader("a,,b");
    EXPECT_EQ(reader.readField(), "a");
    EXPECT_EQ(reader.readField(), "");
    EXPECT_EQ(reader.readField(), "b");
}

TEST(RecordReader, TextAfterTheClosingQuoteIsDropped)
{
    RecordReader reader("\"abc\" xyz,def\r\n");
    EXPECT_EQ(reader.readField(), "abc");
    EXPECT_EQ(reader.readField(), "def");
}

TEST(RecordReader, UnterminatedQuoteEndsAtTheEndOfTheText)
{
    RecordReader reader("\"abc\r\ndef");
    EXPECT_EQ(reader.readField(), "abc\r\ndef");
    EXPECT_FALSE(reader.readField());
    EXPECT_TRUE(reader.atEnd());
}
