#include "registry_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <charconv>
#include <chrono>
#include <functional>
#include <limits>
#include <optional>

#include "atomic_file.h"
#include "file_lock.h"
#include "registry_hive_text.h"

namespace {

// Far above what the game keeps; a larger file is not one of ours and is read as an empty hive.
constexpr qint64 kMaxHiveBytes = 4 * 1024 * 1024;

constexpr std::chrono::milliseconds kLockWait(2000);

std::string textOf(const RegistryValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    return {};
}

std::optional<std::int32_t> numberOf(const RegistryValue& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return *number;
    const auto* text = std::get_if<std::string>(&value);
    if (!text)
        return 0;
    std::string_view digits(*text);
    while (!digits.empty() && digits.front() == ' ')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ')
        digits.remove_suffix(1);
    std::int64_t number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    if (error != std::errc() || stop != end || digits.empty() || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

// The hive in the file, an empty one when there is no file, and nothing when a file is there that cannot be
// read: it may hold values of others, so it must never be replaced by what we would write.
std::optional<Hive> readHive(RootKey root, const std::string& path)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink())
        return Hive(root);
    // Only a plain file: opening a pipe put in its place would wait forever.
    if (!info.isFile())
        return std::nullopt;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxHiveBytes + 1);
    if (bytes.size() > kMaxHiveBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parseHive(root, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Another copy of the game may write the same hive at the same time. The hive is read again under the lock,
// so what the other wrote since is kept, and replaced whole, so no reader ever sees half of it.
void changeHive(RootKey root, const std::string& path, const std::function<bool(Hive&)>& change)
{
    if (path.empty())
        return;
    const QString name = QString::fromStdString(path);
    if (!QDir().mkpath(QFileInfo(name).absolutePath()))
        return;
    QLockFile lock(name + ".lock");
    if (!lockWithin(lock, kLockWait))
        return;
    std::optional<Hive> hive = readHive(root, path);
    if (!hive || !change(*hive))
        return;
    const std::string text = serialiseHive(*hive);
    // A hive the reader would refuse must never be written: every value in it would be lost.
    if (static_cast<qint64>(text.size()) > kMaxHiveBytes)
        return;
    writeFileAtomically(path, text);
}

}  // namespace

RegistryStatus writeTypedValue(OpenKey key, const std::string& valueName, RegistryType type, const RegistryValue& value)
{
    if (type != kRegSz && type != kRegDword)
        return kStatusSuccess;
    if (!key.key)
        return kStatusInvalidHandle;
    std::string data;
    if (type == kRegSz) {
        data = textOf(value);
    } else {
        const std::optional<std::int32_t> number = numberOf(value);
        if (!number)
            return kStatusInvalidData;
        data = dwordBytes(static_cast<std::uint32_t>(*number));
    }
    if (!key.key->setValue(valueName, type, std::move(data)))
        return kStatusInvalidParameter;
    return kStatusSuccess;
}

RegistryStatus readTypedValue(OpenKey key, const std::string& valueName, RegistryValue& value)
{
    value = std::monostate();
    if (!key.key)
        return kStatusInvalidHandle;
    const HiveValue* stored = key.key->findValue(valueName);
    if (!stored)
        return kStatusFileNotFound;
    if (stored->type == kRegSz) {
        value = stored->data;
        return kStatusSuccess;
    }
    if (stored->type == kRegDword) {
        if (stored->data.size() != 4)
            return kStatusInvalidData;
        value = static_cast<std::int32_t>(dwordOfBytes(stored->data));
        return kStatusSuccess;
    }
    return kStatusOtherType;
}

RegistryStore::RegistryStore(std::string folder) : m_folder(std::move(folder)) {}

void RegistryStore::createKey(RootKey root, const std::string& keyPath)
{
    changeHive(root, hiveFilePath(root), [&](Hive& hive) { return hive.createKey(keyPath); });
}

void RegistryStore::writeValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                               const RegistryValue& value, RegistryType type)
{
    changeHive(root, hiveFilePath(root), [&](Hive& hive) {
        return writeTypedValue(OpenKey{hive.openKey(keyPath)}, valueName, type, value) == kStatusSuccess;
    });
}

// Reads need no lock: a hive file is only ever replaced whole.
RegistryValue RegistryStore::readValue(RootKey root, const std::string& keyPath, const std::string& valueName) const
{
    Hive hive = readHive(root, hiveFilePath(root)).value_or(Hive(root));
    RegistryValue value;
    readTypedValue(OpenKey{hive.openKey(keyPath)}, valueName, value);
    return value;
}

std::string RegistryStore::hiveFilePath(RootKey root) const
{
    const std::string_view name = rootKeyName(root);
    if (m_folder.empty() || name.empty())
        return {};
    return m_folder + "/" + std::string(name) + ".reg";
}
