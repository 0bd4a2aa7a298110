// The settings hive reader; a hive it read, written and read again, must read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "registry_hive_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Hive hive = parseHive(RootKey::LocalMachine, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = serialiseHive(hive);
    if (serialiseHive(parseHive(RootKey::LocalMachine, text)) != text)
        std::abort();
    return 0;
}
