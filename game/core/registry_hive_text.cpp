#include "registry_hive_text.h"

#include <optional>

#include "ascii_text.h"

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr RegistryType kRegBinary = 3;
constexpr int kMaxHexDigits = 8;

std::string_view trimmedEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> hexNumber(std::string_view digits, std::size_t maxDigits)
{
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    std::uint32_t number = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return number;
}

std::string hexText(std::uint32_t number, int width)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[number % 16]);
        number /= 16;
    } while (number != 0);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

// Takes a quoted text from the front of `rest`: `\` makes the next character plain.
std::optional<std::string> takeQuoted(std::string_view& rest)
{
    if (rest.empty() || rest.front() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return text;
        }
        if (c == '\\') {
            if (++i == rest.size())
                return std::nullopt;
            c = rest[i];
        }
        text += c;
    }
    return std::nullopt;
}

// "01,a0,ff": the bytes of a value of another kind. Empty is a value of no bytes.
std::optional<std::string> hexBytes(std::string_view list)
{
    std::string bytes;
    if (list.empty())
        return bytes;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::optional<std::uint32_t> byte = hexNumber(list.substr(0, comma), 2);
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
        if (comma == std::string_view::npos)
            return bytes;
        list.remove_prefix(comma + 1);
    }
}

std::optional<HiveValue> parseData(HiveValue value, std::string_view data)
{
    if (startsWith(data, "\"")) {
        std::optional<std::string> text = takeQuoted(data);
        if (!text || !data.empty())
            return std::nullopt;
        value.type = kRegSz;
        value.data = std::move(*text);
        return value;
    }
    if (startsWith(data, "dword:")) {
        const std::optional<std::uint32_t> number = hexNumber(data.substr(6), kMaxHexDigits);
        if (!number)
            return std::nullopt;
        value.type = kRegDword;
        value.data = dwordBytes(*number);
        return value;
    }
    std::optional<RegistryType> type;
    if (startsWith(data, "hex:")) {
        type = kRegBinary;
        data.remove_prefix(4);
    } else if (startsWith(data, "hex(")) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos)
            return std::nullopt;
        type = hexNumber(data.substr(4, close - 4), kMaxHexDigits);
        data.remove_prefix(close + 2);
    }
    if (!type)
        return std::nullopt;
    std::optional<std::string> bytes = hexBytes(data);
    if (!bytes)
        return std::nullopt;
    value.type = *type;
    value.data = std::move(*bytes);
    return value;
}

// `"Name"=data` or `@=data` for the value without a name.
std::optional<HiveValue> parseValueLine(std::string_view line)
{
    HiveValue value;
    if (startsWith(line, "@")) {
        line.remove_prefix(1);
    } else {
        std::optional<std::string> name = takeQuoted(line);
        if (!name)
            return std::nullopt;
        value.name = std::move(*name);
    }
    if (!startsWith(line, "="))
        return std::nullopt;
    return parseData(std::move(value), line.substr(1));
}

// The key path of a section line `[HKEY_...\path]`, or nothing when the line is not a section of this root.
std::optional<std::string_view> sectionPath(std::string_view line, std::string_view rootName)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    const std::string_view inside = line.substr(1, line.size() - 2);
    const std::string_view root = inside.substr(0, inside.find('\\'));
    if (asciiLowerCase(root) != asciiLowerCase(rootName))
        return std::nullopt;
    if (root.size() == inside.size())
        return std::string_view();
    const std::string_view path = inside.substr(root.size() + 1);
    if (path.empty())
        return std::nullopt;
    return path;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::string hexList(std::string_view bytes)
{
    std::string list;
    for (char byte : bytes) {
        if (!list.empty())
            list += ',';
        list += hexText(static_cast<unsigned char>(byte), 2);
    }
    return list;
}

// A text holding a line break cannot stand between quotes on one line; it is written as its bytes, which the
// export format allows for every kind of value.
std::string dataText(const HiveValue& value)
{
    if (value.type == kRegSz && !hasControlCharacters(value.data))
        return quoted(value.data);
    if (value.type == kRegDword && value.data.size() == 4)
        return "dword:" + hexText(dwordOfBytes(value.data), kMaxHexDigits);
    if (value.type == kRegBinary)
        return "hex:" + hexList(value.data);
    return "hex(" + hexText(value.type, 1) + "):" + hexList(value.data);
}

}  // namespace

Hive parseHive(RootKey root, std::string_view text)
{
    Hive hive(root);
    if (startsWith(text, kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::size_t lineEnd = text.find('\n');
    if (trimmedEnd(text.substr(0, lineEnd)) != kHeader)
        return hive;
    const std::string_view rootName = rootKeyName(root);
    HiveKey* section = nullptr;
    while (lineEnd != std::string_view::npos) {
        text.remove_prefix(lineEnd + 1);
        lineEnd = text.find('\n');
        const std::string_view line = trimmedEnd(text.substr(0, lineEnd));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::optional<std::string_view> path = sectionPath(line, rootName);
            section = nullptr;
            if (path) {
                hive.createKey(*path);
                section = hive.openKey(*path);
            }
            continue;
        }
        std::optional<HiveValue> value = parseValueLine(line);
        if (section && value)
            section->setValue(value->name, value->type, std::move(value->data));
    }
    return hive;
}

std::string serialiseHive(const Hive& hive)
{
    const std::string_view rootName = rootKeyName(hive.root());
    std::string text(kHeader);
    text += "\n\n";
    for (const auto& entry : hive.keys()) {
        const HiveKey& key = entry.second;
        text += '[';
        text += rootName;
        if (!key.path.empty())
            text += '\\' + key.path;
        text += "]\n";
        for (const auto& named : key.values) {
            const HiveValue& value = named.second;
            text += value.name.empty() ? std::string("@") : quoted(value.name);
            text += '=' + dataText(value);
            text += '\n';
        }
        text += '\n';
    }
    return text;
}
