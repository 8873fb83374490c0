#pragma once
#include <ctime>
#include <string>

#include "cli/CliContext.h"

namespace pelmora::cli {

/// A copy of the printer's settings (`config get --json`) beside the settings
/// store, taken before something that replaces them.
struct SettingsBackup {
    int status = ExitOk;  ///< of the read, or ExitFailed when the file could not be written
    std::string json;     ///< what was read
    std::string version;  ///< the printer's version text, as read
    std::string path;     ///< the file written; empty when none was
    std::string failure;  ///< why no file was written, when the read's own messages do not say
};

/// Reads the printer's settings into `backup` (status, json, version); the
/// read's failures are printed as `config get` prints them.
void ReadSettingsCopy(CliContext& ctx, SettingsBackup& backup);

/// ReadSettingsCopy, then SaveSettingsCopy when the read succeeded.
SettingsBackup BackUpSettings(CliContext& ctx);

/// Writes `backup.json` beside the store as SavedSettingsName, readable by its
/// owner only (it holds the Bluetooth PIN), never over an earlier file, and
/// says where on stderr. Sets `path`, or `failure` and ExitFailed.
void SaveSettingsCopy(CliContext& ctx, SettingsBackup& backup);

/// The "VersionText" of `identify --json` or `config get --json` output ("" when none).
std::string VersionTextOf(const std::string& json);

/// "settings-20261207-051500-V1.00_090216.json": the date and time, and the
/// version text with anything but letters, digits, '.' and '-' as '_'.
std::string SavedSettingsName(const std::tm& when, const std::string& versionText);

}  // namespace pelmora::cli
