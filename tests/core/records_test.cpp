#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "records.h"
#include "rounding.h"

TEST(NumberRecord, ParsesDecimalsAndRoundsHalvesToEven)
{
    const std::pair<const char*, int> cases[] = {
        {"120", 120}, {"-5", -5},       {"+5", 5},          {" 7 ", 7},         {"\t7\t", 7},        {"-0", 0},
        {"007", 7},   {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},       {"2.51", 3},         {".5", 0},
        {"5.", 5},    {"32767", 32767}, {"-32768", -32768}, {"32766.5", 32766}, {"-32768.5", -32768}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseNumberRecord(text), expected) << '"' << text << '"';
    EXPECT_EQ(parseNumberRecord(std::string(400, '0') + "1"), 1);
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
}

TEST(Rounding, ToInt16RoundsAndRefusesOverflowAndNonNumbers)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    for (double value : {32767.5, -32768.6, 1e300, std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_FALSE(toInt16(value)) << value;
}

TEST(RecordReader, LinesEndInCrLfLfOrCrAndTheLastEndMakesNoLine)
{
    RecordReader reader("a\r\nb\nc\rd\r\n\r\ne\r\n \r\n\t\r\n");
    for (const char* expected : {"a", "b", "c", "d", "", "e"})
        EXPECT_EQ(reader.readLine(), expected);
    EXPECT_EQ(reader.lineNumber(), 6);
    EXPECT_TRUE(reader.onlyBlankLinesLeft());
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), " ");
    EXPECT_EQ(reader.readLine(), "\t");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readLine());
}

TEST(RecordReader, FieldsAreQuotedTextsOrCommaSeparatedValues)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"120,80\r\n", {"120", "80"}},
        {"120\r\n80\r\n", {"120", "80"}},
        {" 120 , 80 ", {"120", "80"}},
        {"a,,b", {"a", "", "b"}},
        {"\"Hills, lakes\r\nand woods\"\r\n\"On the 3/4/2024\"\r\n", {"Hills, lakes\r\nand woods", "On the 3/4/2024"}},
        {"\"abc\" xyz,def\r\n", {"abc", "def"}},
        {"\"abc\r\ndef", {"abc\r\ndef"}},
    };
    for (const auto& [text, expected] : cases) {
        RecordReader reader(text);
        std::vector<std::string> fields;
        while (const std::optional<std::string> field = reader.readField())
            fields.push_back(*field);
        EXPECT_EQ(fields, expected) << testing::PrintToString(text);
    }
}

TEST(RecordReader, QuotedTextsCountTheLinesTheySpan)
{
    RecordReader reader("\"a\nb\r\nc\"\n\"d\"\n");
    EXPECT_EQ(reader.readField(), "a\nb\r\nc");
    EXPECT_EQ(reader.lineNumber(), 1);
    EXPECT_EQ(reader.readField(), "d");
    EXPECT_EQ(reader.lineNumber(), 4);
}
