#include "registry_hive.h"

#include <QString>

#include "ascii_text.h"
#include "text_encoding.h"

namespace {

// Sorting on this instead of the backslash puts every key right before the keys below it. Control
// characters never occur in a key path, so it cannot be confused with a character of a name.
constexpr char kSortSeparator = '\x01';

struct RootName {
    RootKey root;
    std::string_view name;
};

constexpr RootName kRootNames[] = {
    {RootKey::ClassesRoot, "HKEY_CLASSES_ROOT"},     {RootKey::CurrentUser, "HKEY_CURRENT_USER"},
    {RootKey::LocalMachine, "HKEY_LOCAL_MACHINE"},   {RootKey::Users, "HKEY_USERS"},
    {RootKey::CurrentConfig, "HKEY_CURRENT_CONFIG"},
};

// Tab is allowed: inside quotes it stays on its line. Everything else below space would break the line.
bool isControlCharacter(char c)
{
    return static_cast<unsigned char>(c) < 0x20 && c != '\t';
}

bool isAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// The registry matches names without regard to case in every script, not only in ASCII.
std::string foldedCase(std::string_view text)
{
    if (isAscii(text) || !isValidUtf8(text))
        return asciiLowerCase(text);
    const QString folded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded();
    return folded.toUtf8().toStdString();
}

std::string sortKey(std::string_view path)
{
    std::string key = foldedCase(path);
    for (char& c : key) {
        if (c == '\\')
            c = kSortSeparator;
    }
    return key;
}

// The empty path is the root itself.
bool isKeyPath(std::string_view path)
{
    if (path.empty())
        return true;
    return !hasControlCharacters(path) && path.front() != '\\' && path.back() != '\\' &&
           path.find("\\\\") == std::string_view::npos;
}

// The first `parts` backslash-separated parts of the path.
std::string_view leadingParts(std::string_view path, std::size_t parts)
{
    std::size_t end = 0;
    for (std::size_t part = 0; part < parts; ++part) {
        end = path.find('\\', part == 0 ? 0 : end + 1);
        if (end == std::string_view::npos)
            return path;
    }
    return path.substr(0, end);
}

std::size_t partCount(std::string_view path)
{
    std::size_t parts = 1;
    for (char c : path) {
        if (c == '\\')
            ++parts;
    }
    return parts;
}

}  // namespace

std::string_view rootKeyName(RootKey root)
{
    for (const RootName& entry : kRootNames) {
        if (entry.root == root)
            return entry.name;
    }
    return {};
}

bool hasControlCharacters(std::string_view text)
{
    for (char c : text) {
        if (isControlCharacter(c))
            return true;
    }
    return false;
}

std::string dwordBytes(std::uint32_t number)
{
    std::string bytes(4, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(number & 0xFF);
        number >>= 8;
    }
    return bytes;
}

std::uint32_t dwordOfBytes(std::string_view bytes)
{
    std::uint32_t number = 0;
    for (std::size_t i = bytes.size(); i > 0; --i)
        number = (number << 8) | static_cast<unsigned char>(bytes[i - 1]);
    return number;
}

const HiveValue* HiveKey::findValue(std::string_view name) const
{
    const auto found = values.find(foldedCase(name));
    return found == values.end() ? nullptr : &found->second;
}

bool HiveKey::setValue(std::string_view name, RegistryType type, std::string data)
{
    if (hasControlCharacters(name))
        return false;
    const auto [entry, added] = values.try_emplace(foldedCase(name));
    HiveValue& value = entry->second;
    if (added)
        value.name = std::string(name);
    value.type = type;
    value.data = std::move(data);
    return true;
}

bool Hive::hasKey(std::string_view path) const
{
    if (!isKeyPath(path))
        return false;
    if (path.empty())
        return true;
    const std::string key = sortKey(path);
    if (m_keys.count(key) != 0)
        return true;
    const std::string below = key + kSortSeparator;
    const auto next = m_keys.lower_bound(below);
    return next != m_keys.end() && startsWith(next->first, below);
}

bool Hive::createKey(std::string_view path)
{
    if (!isKeyPath(path) || hasKey(path))
        return false;
    m_keys[sortKey(path)].path = std::string(path);
    return true;
}

HiveKey* Hive::openKey(std::string_view path)
{
    if (!isKeyPath(path))
        return nullptr;
    const std::string key = sortKey(path);
    const auto found = m_keys.find(key);
    if (found != m_keys.end())
        return &found->second;
    if (path.empty())
        return &m_keys[key];
    const std::string below = key + kSortSeparator;
    const auto next = m_keys.lower_bound(below);
    if (next == m_keys.end() || !startsWith(next->first, below))
        return nullptr;
    // The implied key takes its name as the key below it spells it.
    const std::string spelled(leadingParts(next->second.path, partCount(path)));
    HiveKey& implied = m_keys[key];
    implied.path = spelled;
    return &implied;
}
