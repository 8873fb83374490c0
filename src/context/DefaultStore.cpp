#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "context/SettingsStore.h"

// Where the settings live on Linux: a text file in the user's configuration folder.
namespace pelmora::context {

namespace {
std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return ".";
}
}  // namespace

std::filesystem::path SettingsStore::DefaultPath() {
    if (const char* explicitFile = std::getenv("PELMORA_REGISTRY"); explicitFile && *explicitFile)
        return explicitFile;
    const std::filesystem::path tail = std::filesystem::path("pelmora") / "registry.reg";
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules ask.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') return config / tail;
    return HomeFolder() / ".config" / tail;
}

SettingsStore SettingsStore::OpenDefault() { return SettingsStore(DefaultPath()); }

std::filesystem::path SettingsStore::SideFolder() const { return file_.parent_path(); }

}  // namespace pelmora::context
