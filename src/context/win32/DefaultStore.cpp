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

}  // namespace pelmora::context
