#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "records.h"
#include "rounding.h"

TEST(NumberRecord, PlainDecimalsInRangeRoundHalvesToEvenIntoSixteenBitsAndAnythingElseIsRefused)
{
    const std::pair<const char*, int> cases[] = {
        {"120", 120}, {"-5", -5},       {"+5", 5},          {" 7 ", 7},         {"\t7\t", 7},        {"-0", 0},
        {"007", 7},   {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},       {"2.51", 3},         {".5", 0},
        {"5.", 5},    {"32767", 32767}, {"-32768", -32768}, {"32766.5", 32766}, {"-32768.5", -32768}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseNumberRecord(text), expected) << '"' << text << '"';
    EXPECT_EQ(parseNumberRecord(std::string(400, '0') + "1"), 1);
    for (const char* text : {"32767.5", "32768", "-32769", "-32768.6", "",    " ",    "-",   ".",   "+-1", "abc",
                             "1e3",     "12abc", "0x10",   "1,5",      "1 2", "1..2", "inf", "nan", "--1", "1\r\n"})
        EXPECT_FALSE(parseNumberRecord(text)) << '"' << text << '"';
    for (std::size_t digits : {23, 400})
        EXPECT_FALSE(parseNumberRecord(std::string(digits, '9'))) << digits << " nines";
    // The same rounding of numbers worked out in the programs, where they may also be infinite or not a number.
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    for (double value : {32767.5, -32768.6, 1e300, HUGE_VAL, -HUGE_VAL, std::nan("")})
        EXPECT_FALSE(toInt16(value)) << value;
}

TEST(RecordReader, LinesEndInCrLfLfOrCrAndFieldsAreQuotedTextsOrValuesEachOnTheLineWhereItStarts)
{
    RecordReader reader("a\r\nb\nc\rd\r\n\r\ne\r\n \r\n\t\r\n");
    for (const char* expected : {"a", "b", "c", "d", "", "e"})
        EXPECT_EQ(reader.readLine(), expected);
    EXPECT_EQ(std::tuple(reader.lineNumber(), reader.onlyBlankLinesLeft(), reader.atEnd()), std::tuple(6, true, false));
    EXPECT_EQ(reader.readLine(), " ");
    EXPECT_EQ(reader.readLine(), "\t");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readLine());

    // Fields are quoted texts or comma-separated values, each on the line where it starts. Each field read is shown
    // with the line number the reader gives for it.
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"120,80\r\n", {"120@1", "80@1"}},
        {"120\r\n80\r\n", {"120@1", "80@2"}},
        {" 120 , 80 ", {"120@1", "80@1"}},
        {"a,,b", {"a@1", "@1", "b@1"}},
        {"\"Hills, lakes\r\nand woods\"\r\n\"On the 3/4/2024\"\r\n",
         {"Hills, lakes\r\nand woods@1", "On the 3/4/2024@3"}},
        {"\"a\nb\r\nc\"\n\"d\"\n", {"a\nb\r\nc@1", "d@4"}},
        {"\"abc\" xyz,def\r\n", {"abc@1", "def@1"}},
        {"\"abc\r\ndef", {"abc\r\ndef@1"}},
    };
    for (const auto& [text, expected] : cases) {
        RecordReader reader(text);
        std::vector<std::string> fields;
        while (const std::optional<std::string> field = reader.readField())
            fields.push_back(*field + "@" + std::to_string(reader.lineNumber()));
        EXPECT_EQ(fields, expected) << testing::PrintToString(text);
    }
}
