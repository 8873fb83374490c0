#include "cli/SettingsBackup.h"

#include <cctype>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/PrinterActions.h"
#include "link/AtomicFile.h"
#include "link/Clock.h"
#include "link/LocalFile.h"

namespace pelmora::cli {

std::string VersionTextOf(const std::string& json) {
    try {
        const auto j = nlohmann::json::parse(json);
        const auto& printer = j.contains("printer") ? j["printer"] : j;
        return printer.value("VersionText", std::string());
    } catch (const nlohmann::json::exception&) {
        return {};
    }
}

void ReadSettingsCopy(CliContext& ctx, SettingsBackup& backup) {
    std::ostringstream json;
    CliContext reader(ctx, json, ctx.err);
    backup.status = ReadSettings(reader, true);
    backup.json = json.str();
    backup.version = VersionTextOf(backup.json);
}

SettingsBackup BackUpSettings(CliContext& ctx) {
    SettingsBackup backup;
    ReadSettingsCopy(ctx, backup);
    // The store not being written (3) does not make the copy any worse.
    if (backup.status == ExitNotStored) backup.status = ExitOk;
    if (backup.status == ExitOk) SaveSettingsCopy(ctx, backup);
    return backup;
}

void SaveSettingsCopy(CliContext& ctx, SettingsBackup& backup) {
    const std::filesystem::path folder = ctx.store().SideFolder();
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) {
        backup.failure = "cannot make the folder " + folder.string() + ": " + error.message();
        backup.status = ExitFailed;
        return;
    }
    const std::time_t now = std::time(nullptr);
    const std::string name = SavedSettingsName(link::LocalTime(now), backup.version);
    // Never over an earlier saved file: it may be the only copy of a printer's settings.
    for (int n = 0; n < 100; ++n) {
        const std::filesystem::path path =
            folder / (n == 0 ? name : name.substr(0, name.size() - 5) + "-" + std::to_string(n) + ".json");
        // Owner only: the file holds the Bluetooth PIN. The name is claimed
        // first, then filled whole like every other file.
        std::string problem;
        const link::Claim claim = link::ClaimNewFile(path.string(), problem);
        if (claim == link::Claim::Exists) continue;
        if (claim == link::Claim::Failed) {
            backup.failure = "cannot write " + path.string() + ": " + problem;
            backup.status = ExitFailed;
            return;
        }
        if (const std::string why = link::ReplaceFile(path, backup.json, 0600); !why.empty()) {
            backup.failure = "cannot write " + path.string() + ": " + why;
            backup.status = ExitFailed;
            std::filesystem::remove(path, error);
            return;
        }
        backup.path = path.string();
        PrintMessage(ctx.err, "Settings saved in " + backup.path);
        return;
    }
    backup.failure = "too many saved settings files named " + name + " in " + folder.string();
    backup.status = ExitFailed;
}

std::string SavedSettingsName(const std::tm& when, const std::string& versionText) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &when);
    std::string version;
    for (char c : versionText)
        version += std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' ? c : '_';
    return std::string("settings-") + stamp + (version.empty() ? "" : "-" + version) + ".json";
}

}  // namespace pelmora::cli
