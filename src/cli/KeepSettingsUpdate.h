#pragma once
#include <ctime>
#include <string>

#include "cli/CliContext.h"

namespace pelmora::cli {

struct KeepSettingsOptions {
    std::string firmware;  ///< checked with CheckFirmwareFile already
    bool force = false;    ///< write the saved settings back to another model too
    int waitSeconds = 120;  ///< for the printer to answer after the firmware
};

/// `firmware --keep-settings`: reads the printer's settings and saves them
/// beside the store, sends the firmware, waits for the printer to answer,
/// writes the settings back (verified), identifies it again and prints the old
/// and new version. Each stage says what it does on stderr; a failed stage
/// says which one, where the settings are saved and how to finish by hand.
/// Nothing is sent when the settings cannot be read or saved.
int UpdateKeepingSettings(CliContext& ctx, const KeepSettingsOptions& options);

/// "settings-20261207-051500-V1.00_090216.json": the date and time, and the
/// version text with anything but letters, digits, '.' and '-' as '_'.
std::string SavedSettingsName(const std::tm& when, const std::string& versionText);

}  // namespace pelmora::cli
