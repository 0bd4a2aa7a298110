#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

// The registry's predefined root keys, numbered as the registry numbers their handles. Each root is kept in
// a hive of its own.
enum class RootKey : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
    CurrentConfig = 0x80000005u,
};

// "HKEY_LOCAL_MACHINE" and so on; empty for a number that is not one of the roots above.
std::string_view rootKeyName(RootKey root);

// The registry's number for the kind of data a value holds. Only text and 32-bit integers are written by
// the game; other kinds met in a hive file are kept as their bytes.
using RegistryType = std::uint32_t;
constexpr RegistryType kRegSz = 1;
constexpr RegistryType kRegDword = 4;

// A REG_DWORD's data: its 4 bytes, least significant first, as the registry stores them.
std::string dwordBytes(std::uint32_t number);
std::uint32_t dwordOfBytes(std::string_view bytes);

// True when the text holds a line break or another control character other than tab. A name holding one
// cannot stand on a line of a hive file, so it names no key and no value.
bool hasControlCharacters(std::string_view text);

struct HiveValue {
    std::string name;  // as first written
    RegistryType type = kRegSz;
    std::string data;  // REG_SZ: the text without a terminating zero byte
};

// A key with its values, looked up by name without regard to letter case.
struct HiveKey {
    std::string path;  // backslash-separated, relative to the root, as first written
    std::map<std::string, HiveValue> values;

    const HiveValue* findValue(std::string_view name) const;
    // Replaces the data of a value of that name (keeping the name as first written) or adds the value. A name
    // holding a line break or another control character cannot be written down and is refused.
    bool setValue(std::string_view name, RegistryType type, std::string data);
};

// The keys under one root. A key exists when it was created or when a key below it exists, as creating a
// key creates the keys above it; only the keys created by name are stored, the ones above them are implied.
class Hive {
public:
    explicit Hive(RootKey root) : m_root(root) {}

    RootKey root() const { return m_root; }

    bool hasKey(std::string_view path) const;
    // Stores the key; true when it did not exist before. A path with an empty part or a control character
    // names no key and is refused.
    bool createKey(std::string_view path);
    // The key to read or change, or nothing when it does not exist. An implied key becomes a stored one.
    HiveKey* openKey(std::string_view path);

    // The stored keys, each above the keys below it.
    const std::map<std::string, HiveKey>& keys() const { return m_keys; }

private:
    RootKey m_root;
    std::map<std::string, HiveKey> m_keys;  // by sortKey() of the path
};
