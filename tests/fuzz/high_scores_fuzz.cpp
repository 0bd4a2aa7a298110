// The high-score reader; what it reads must survive being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "high_score_table.h"
#include "records.h"
#include "text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const HighScoreTable table =
        parseHighScores(decodeThemeText(std::string_view(reinterpret_cast<const char*>(data), size))).table;
    std::string written;
    for (const HighScoreRow& row : table)
        written += textRecord(row.name) + textRecord(row.date) + textRecord(row.time);
    const HighScoreTable again = parseHighScores(written).table;
    for (int row = 0; row < kHighScoreRows; ++row) {
        if (again[row].time != table[row].time)
            std::abort();
    }
    return 0;
}
