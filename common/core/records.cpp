#include "records.h"

#include <cctype>
#include <charconv>

#include "rounding.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Accepts [+-]digits[.digits] and [+-].digits; nothing else (no exponent, no hex, no thousands separators).
bool isPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    return digits > 0 && i == text.size();
}

}  // namespace

RecordReader::RecordReader(std::string text) : m_text(std::move(text)) {}

bool RecordReader::atLineEnd() const
{
    return m_pos >= m_text.size() || m_text[m_pos] == '\r' || m_text[m_pos] == '\n';
}

void RecordReader::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
    ++m_line;
}

bool RecordReader::onlyBlankLinesLeft() const
{
    for (std::size_t i = m_pos; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (!isBlank(c) && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

std::optional<std::string> RecordReader::readLine()
{
    if (atEnd())
        return std::nullopt;
    m_recordLine = m_line;
    const std::size_t start = m_pos;
    while (!atLineEnd())
        ++m_pos;
    std::string line = m_text.substr(start, m_pos - start);
    skipLineEnd();
    return line;
}

std::optional<std::string> RecordReader::readField()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    // A field may follow on the next line when the previous one ended its line.
    if (atEnd())
        return std::nullopt;
    m_recordLine = m_line;

    std::string field;
    if (m_text[m_pos] == '"') {
        ++m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != '"') {
            if (m_text[m_pos] == '\n')
                ++m_line;
            field += m_text[m_pos++];
        }
        m_lastFieldUnclosed = m_pos >= m_text.size();
        if (!m_lastFieldUnclosed)
            ++m_pos;
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        // Whatever stands between the closing quote and the separator is not part of the field.
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !atLineEnd())
            ++m_pos;
    } else {
        m_lastFieldUnclosed = false;
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !atLineEnd())
            ++m_pos;
        field = std::string(trimBlanks(std::string_view(m_text).substr(start, m_pos - start)));
    }
    if (m_pos < m_text.size() && m_text[m_pos] == ',')
        ++m_pos;
    else if (m_pos < m_text.size())
        skipLineEnd();
    return field;
}

std::optional<std::int16_t> parseNumberRecord(std::string_view text)
{
    text = trimBlanks(text);
    if (!isPlainDecimal(text))
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return toInt16(value);
}

std::string numberRecord(std::int16_t value)
{
    return std::to_string(value) + "\r\n";
}

std::string textRecord(std::string_view text)
{
    std::string record;
    record.reserve(text.size() + 4);
    record += '"';
    record += text;
    record += "\"\r\n";
    return record;
}
