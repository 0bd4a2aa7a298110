#include "program_folder_record.h"

#include "registry_store.h"

namespace {

constexpr char kGameKey[] = "Software\\Helmwick\\Vantor";
constexpr char kPathValue[] = "Path";

}  // namespace

void recordProgramFolder(RegistryStore& store, const std::string& programFolder)
{
    const RegistryValue recorded = store.readValue(RootKey::LocalMachine, kGameKey, kPathValue);
    if (std::holds_alternative<std::monostate>(recorded) || recorded == RegistryValue(std::string()))
        store.createKey(RootKey::LocalMachine, kGameKey);
    store.writeValue(RootKey::LocalMachine, kGameKey, kPathValue, programFolder, kRegSz);
}
