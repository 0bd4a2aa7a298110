// The record syntax of theme and score files: number records, quoted texts that run over lines, and two
// fields on one line, on text decoded the way the files are.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records.h"
#include "text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = decodeThemeText(std::string_view(reinterpret_cast<const char*>(data), size));
    RecordReader fields(text);
    while (const std::optional<std::string> field = fields.readField())
        parseNumberRecord(*field);
    RecordReader lines(text);
    while (const std::optional<std::string> line = lines.readLine())
        parseNumberRecord(*line);
    return 0;
}
