// One of several programs writing the same hive at once. Usage: registry_writer FOLDER PREFIX COUNT.
// It waits for its standard input to close, so that the test can start all writers before any begins, then
// writes COUNT values named PREFIX0, PREFIX1, ... into the shared key, alternately as text and as integers.
// Last it prints when its writing began and ended on the machine's steady clock, so that the test can tell
// that the writers really wrote at the same time.

#include <chrono>
#include <iostream>
#include <limits>
#include <string>

#include "registry_store.h"

int main(int, char** argv)
{
    const std::string prefix = argv[2], key = "Software\\Helmwick\\Shared";
    RegistryStore store(argv[1]);
    std::cin.ignore(std::numeric_limits<std::streamsize>::max());
    const auto now = [] { return std::chrono::steady_clock::now().time_since_epoch().count(); };
    const auto began = now();
    store.RegistryCreateKey(RootKey::CurrentUser, key);
    for (int i = 0; i < std::stoi(argv[3]); ++i) {
        const RegistryValue value = i % 2 ? RegistryValue(i) : RegistryValue(prefix + " text " + std::to_string(i));
        store.RegistryWriteValue(RootKey::CurrentUser, key, prefix + std::to_string(i), value,
                                 i % 2 ? kRegDword : kRegSz);
    }
    std::cout << began << ' ' << now() << '\n';
}
