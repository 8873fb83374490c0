#include <shlobj.h>

#include <cstdlib>

#include "context/SettingsStore.h"
#include "context/win32/RegistryStore.h"

// Where the settings live on Windows: the registry, or a text file named by
// PELMORA_REGISTRY (or --store) for tests and portable use.
namespace pelmora::context {

std::filesystem::path SettingsStore::DefaultPath() {
    const char* explicitFile = std::getenv("PELMORA_REGISTRY");
    return explicitFile && *explicitFile ? std::filesystem::path(explicitFile) : std::filesystem::path();
}

SettingsStore SettingsStore::OpenDefault() {
    if (std::filesystem::path file = DefaultPath(); !file.empty()) return SettingsStore(std::move(file));
    return SettingsStore(std::make_shared<RegistryStore>(ProductKey));
}

std::filesystem::path SettingsStore::SideFolder() const {
    if (!file_.empty()) return file_.parent_path();
    PWSTR data = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &data))) folder = data;
    ::CoTaskMemFree(data);
    if (folder.empty()) return {};
    const std::string key = ProductKey;
    return folder / key.substr(key.find('\\') + 1);  // past "Software"
}

}  // namespace pelmora::context
