#include "text_file.h"

#include "file_system.h"
#include "text_encoding.h"

namespace {

constexpr std::int64_t kMaxTextFileBytes = 4 * 1024 * 1024;

}  // namespace

Result<std::string> readTextFile(const std::string& path)
{
    const Result<std::string> bytes = readFileBytes(path, kMaxTextFileBytes);
    if (!bytes)
        return Result<std::string>::failure("Cannot read \"" + path + "\": " + bytes.error());
    return Result<std::string>::success(decodeThemeText(bytes.value()));
}
