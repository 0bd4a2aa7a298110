#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The record syntax of the theme and score files: one record per line ended by CR LF; a number as bare
// decimal text, a text enclosed in double quotes that may hold commas and line breaks but no quote.

// Reads records from decoded text the way the files were meant to be read back.
class RecordReader {
public:
    explicit RecordReader(std::string text);

    // True when nothing but the end of the text is left.
    bool atEnd() const { return m_pos >= m_text.size(); }
    // True when only blank lines are left.
    bool onlyBlankLinesLeft() const;

    // One whole physical line without its line end; nothing at the end of the text.
    std::optional<std::string> readLine();

    // One field: a quoted text (which may run over several lines) without its quotes, or an unquoted
    // field up to the next comma or line end with surrounding blanks removed. Nothing at the end of the text.
    std::optional<std::string> readField();

    // True when the last field read was a quoted text whose closing quote never came.
    bool lastFieldUnclosed() const { return m_lastFieldUnclosed; }

    // The 1-based line on which the last read record started.
    int lineNumber() const { return m_recordLine; }

private:
    void skipLineEnd();
    bool atLineEnd() const;

    std::string m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_recordLine = 0;
    bool m_lastFieldUnclosed = false;
};

// A number record: any decimal number (optional sign, digits, optional fraction) in the 16-bit range,
// rounded to the nearest integer with ties to even; surrounding blanks allowed. Nothing for anything else.
std::optional<std::int16_t> parseNumberRecord(std::string_view text);

// One line holding the number, as a bare decimal with "-" when negative, and CR LF.
std::string numberRecord(std::int16_t value);

// One record holding the text in double quotes, and CR LF. The text is written as it stands.
std::string textRecord(std::string_view text);
