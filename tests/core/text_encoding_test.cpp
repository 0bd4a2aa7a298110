#include <gtest/gtest.h>

#include "test_files.h"
#include "text_encoding.h"
#include "text_file.h"

TEST(TextEncoding, ValidUtf8PassesThroughWithoutItsByteOrderMark)
{
    EXPECT_EQ(decodeThemeText("plain ASCII\r\n"), "plain ASCII\r\n");
    EXPECT_EQ(decodeThemeText("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(decodeThemeText("\xEF\xBB\xBF\"Forest\""), "\"Forest\"");
    EXPECT_EQ(decodeThemeText(""), "");
}

TEST(TextEncoding, AnythingElseIsReadAsWindows1252)
{
    EXPECT_EQ(decodeThemeText("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(decodeThemeText("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(decodeThemeText("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(decodeThemeText("\x9F\xFF"), "\xC5\xB8\xC3\xBF");
    // The five code points Windows-1252 leaves unassigned keep their Latin-1 meaning.
    EXPECT_EQ(decodeThemeText("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    // One invalid byte decides for the whole text, so valid-looking sequences elsewhere are not mixed in.
    EXPECT_EQ(decodeThemeText("\xC3\xA9 \xE9"), "\xC3\x83\xC2\xA9 \xC3\xA9");
}

TEST(TextEncoding, MalformedSequencesAreNotUtf8)
{
    for (const char* bytes : {
             "\xC0\xAF",          // overlong '/'
             "\xC1\xBF",          // overlong, two bytes
             "\xE0\x80\xAF",      // overlong, three bytes
             "\xF0\x80\x80\xAF",  // overlong, four bytes
             "\xED\xA0\x80",      // surrogate U+D800
             "\xED\xBF\xBF",      // surrogate U+DFFF
             "\xF4\x90\x80\x80",  // above U+10FFFF
             "\xF5\x80\x80\x80",  // lead byte that can never start a sequence
             "\xE2\x82",          // cut short at the end
             "\xE2\x28\xA1",      // continuation byte missing
             "\x80",              // lone continuation byte
             "\xFF",
         }) {
        EXPECT_FALSE(isValidUtf8(bytes)) << testing::PrintToString(bytes);
    }
    for (const char* bytes : {"", "abc", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
                              "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(isValidUtf8(bytes)) << testing::PrintToString(bytes);
    }
    EXPECT_TRUE(isValidUtf8(std::string("a\0b", 3)));
}

TEST(TextFile, ReadsAndDecodes)
{
    ScratchFolder folder;
    writeBytes(folder.file("details.ini"), "\"Caf\xE9\"\r\n");
    const Result<std::string> text = readTextFile(folder.file("details.ini"));
    ASSERT_TRUE(text) << text.error();
    EXPECT_EQ(text.value(), "\"Caf\xC3\xA9\"\r\n");
}

TEST(TextFile, FailuresNameTheFile)
{
    ScratchFolder folder;
    const std::string missing = folder.file("missing.ini");
    const Result<std::string> absent = readTextFile(missing);
    ASSERT_FALSE(absent);
    EXPECT_NE(absent.error().find(missing), std::string::npos) << absent.error();

    const Result<std::string> directory = readTextFile(folder.path());
    ASSERT_FALSE(directory);
    EXPECT_NE(directory.error().find(folder.path()), std::string::npos) << directory.error();

    const std::string huge = folder.file("huge.ini");
    writeBytes(huge, std::string(5 * 1024 * 1024, '1'));
    const Result<std::string> tooLarge = readTextFile(huge);
    ASSERT_FALSE(tooLarge);
    EXPECT_NE(tooLarge.error().find(huge), std::string::npos) << tooLarge.error();
}
