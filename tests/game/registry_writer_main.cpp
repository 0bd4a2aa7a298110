// One of several programs writing the same hive at once. Usage: registry_writer FOLDER PREFIX COUNT.
// It waits for a line on its standard input, so that the test can start all writers before any begins, then
// writes COUNT values named PREFIX0, PREFIX1, ... into the shared key, alternately as text and as integers.
// Last it prints when its writing began and ended on the machine's steady clock, so that the test can tell
// that the writers really wrote at the same time.

#include <chrono>
#include <iostream>
#include <string>

#include "registry_store.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const std::string prefix = argv[2];
    const int count = std::stoi(argv[3]);
    RegistryStore store(argv[1]);
    std::string go;
    std::getline(std::cin, go);

    const auto now = [] { return std::chrono::steady_clock::now().time_since_epoch().count(); };
    const auto began = now();
    const std::string key = "Software\\Helmwick\\Shared";
    store.RegistryCreateKey(RootKey::CurrentUser, key);
    for (int i = 0; i < count; ++i) {
        const std::string name = prefix + std::to_string(i);
        if (i % 2 == 0)
            store.RegistryWriteValue(RootKey::CurrentUser, key, name, prefix + " text " + std::to_string(i), kRegSz);
        else
            store.RegistryWriteValue(RootKey::CurrentUser, key, name, i, kRegDword);
    }
    std::cout << began << ' ' << now() << '\n';
    return 0;
}
