#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "registry_hive.h"

// The game's settings store, kept as the registry keeps settings: root keys, backslash-separated key paths
// and named values of text (REG_SZ) or 32-bit integers (REG_DWORD), names matched without regard to case.
// Linux has no registry, so each root is a text hive file in the registry's export format, named after the
// root ("HKEY_LOCAL_MACHINE.reg"), in a folder of the user's configuration. The machine root is a file like
// the others: writing it needs no privileges. Text is UTF-8, the platform's own encoding, where the
// registry took the ANSI code page.
//
// Every failure is silent, as the game expects of its registry: a key that cannot be created or a value that
// cannot be written leaves the hive as it was, and a read that fails yields the empty value.

// A value crossing the store: empty, text or a 32-bit integer.
using RegistryValue = std::variant<std::monostate, std::string, std::int32_t>;

// Status codes of the inner procedures, numbered as the registry numbers its own.
using RegistryStatus = std::int32_t;
constexpr RegistryStatus kStatusSuccess = 0;
constexpr RegistryStatus kStatusFileNotFound = 2;       // no value of that name
constexpr RegistryStatus kStatusInvalidHandle = 6;      // no key was opened
constexpr RegistryStatus kStatusInvalidData = 13;       // not convertible to the type, or stored at a wrong size
constexpr RegistryStatus kStatusInvalidParameter = 87;  // a value name that cannot be stored
constexpr RegistryStatus kStatusOtherType = -1;         // stored as neither REG_SZ nor REG_DWORD

// A key opened in a hive read into memory. `key` is null when the key does not exist, as opening a missing
// key in the registry yields no handle; the procedures below then fail with kStatusInvalidHandle.
struct OpenKey {
    HiveKey* key = nullptr;
};

// Stores the value as REG_SZ (its text: an integer as decimal digits, the empty value as "") or as REG_DWORD
// (an integer, text of decimal digits in range, the empty value as 0). Any other type writes nothing and
// succeeds.
RegistryStatus writeTypedValue(OpenKey key, const std::string& valueName, RegistryType type,
                               const RegistryValue& value);

// Sets `value` to the stored text or integer; on any failure it is left empty.
RegistryStatus readTypedValue(OpenKey key, const std::string& valueName, RegistryValue& value);

class RegistryStore {
public:
    // The folder is created at the first write.
    explicit RegistryStore(std::string folder);

    // Creates the key and the keys above it; an existing key is left as it is.
    void createKey(RootKey root, const std::string& keyPath);

    // Writes into an existing key only: into a key that does not exist nothing is written.
    void writeValue(RootKey root, const std::string& keyPath, const std::string& valueName, const RegistryValue& value,
                    RegistryType type);

    RegistryValue readValue(RootKey root, const std::string& keyPath, const std::string& valueName) const;

    // Where the root's hive is kept; empty for a number that is not a root key.
    std::string hiveFilePath(RootKey root) const;

private:
    std::string m_folder;
};
