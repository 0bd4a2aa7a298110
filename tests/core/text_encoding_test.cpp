#include <gtest/gtest.h>

#include "test_files.h"
#include "text_encoding.h"
#include "text_file.h"

TEST(TextEncoding, WellFormedUtf8PassesThroughWithoutItsByteOrderMarkAndAnythingElseIsWindows1252)
{
    // The five code points Windows-1252 leaves unassigned keep their Latin-1 meaning; one invalid byte decides for
    // the whole text, so valid-looking sequences elsewhere are not mixed in.
    const std::pair<const char*, const char*> cases[] = {
        {"\xEF\xBB\xBF\"Forest\"", "\"Forest\""},
        {"Caf\xE9", "Caf\xC3\xA9"},
        {"\x80", "\xE2\x82\xAC"},
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\x9F\xFF", "\xC5\xB8\xC3\xBF"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\xC3\xA9 \xE9", "\xC3\x83\xC2\xA9 \xC3\xA9"}};
    for (const auto& [bytes, utf8] : cases)
        EXPECT_EQ(decodeThemeText(bytes), utf8) << testing::PrintToString(bytes);
    // Overlong forms, surrogates, beyond U+10FFFF, impossible lead bytes, cut-short and lone continuation bytes.
    for (const char* bytes :
         {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xA0\x80", "\xED\xBF\xBF",
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xE2\x82", "\xE2\x28\xA1", "\x80", "\xFF"})
        EXPECT_FALSE(isValidUtf8(bytes)) << testing::PrintToString(bytes);
    // Well-formed, from the smallest and largest code point of each length: passed through as it stands.
    for (const char* bytes :
         {"", "plain ASCII\r\n", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80",
          "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_EQ(std::pair(isValidUtf8(bytes), decodeThemeText(bytes)), std::pair(true, std::string(bytes)))
            << testing::PrintToString(bytes);
    EXPECT_TRUE(isValidUtf8(std::string("a\0b", 3)));
}

TEST(TextFile, MissingFolderAndHugeFilesAreRefusedNamingTheFile)
{
    ScratchFolder folder;
    writeBytes(folder.file("huge.ini"), std::string(5 * 1024 * 1024, '1'));
    for (const std::string& path : {folder.file("missing.ini"), folder.path(), folder.file("huge.ini")}) {
        const Result<std::string> failed = readTextFile(path);
        ASSERT_FALSE(failed) << path;
        EXPECT_NE(failed.error().find(path), std::string::npos) << failed.error();
    }
}
