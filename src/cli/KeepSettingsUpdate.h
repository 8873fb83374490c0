#pragma once
#include <ctime>
#include <string>

#include "cli/CliContext.h"
#include "cli/SettingsBackup.h"

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


}  // namespace pelmora::cli
