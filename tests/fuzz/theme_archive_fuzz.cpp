// The checks and the unpacking of a shared theme's archive, on the input as an archive's bytes: whatever it
// holds, nothing is written outside the folder it unpacks into.
#include <cstddef>
#include <cstdint>
#include <string>

#include "file_system.h"
#include "theme_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string root = makeTemporaryFolder("/tmp", "vantor-archive-fuzz-").value();
    const Result<std::string> into = makeTemporaryFolder(root, "into-");
    if (!into)
        return 0;
    unpackThemeArchiveBytes(std::string(reinterpret_cast<const char*>(data), size), "fuzzed.zip", into.value());
    removeFolderTree(into.value());
    return 0;
}
