#pragma once
#include <string>

#include <nlohmann/json.hpp>

#include "cli/CliContext.h"

namespace pelmora::cli {

// The commands' work, for jobs made of several of them (a firmware update that
// keeps the settings). Each prints as its command does and returns its exit status.

/// `identify [--json]`.
int IdentifyPrinter(CliContext& ctx, bool json);
/// `config get [--json]`.
int ReadSettings(CliContext& ctx, bool json);
/// SHA-256 (hex) of `config get --json`'s object without "printer", keys sorted
/// and no blanks: equal settings give equal digests whatever printer they came from.
std::string SettingsDigest(nlohmann::json settings);
/// `config set --from FILE [--force] [--verify]`; throws UsageError as that command does.
/// With `dropUnfit`, what the printer's firmware cannot take of settings read
/// from other firmware is left out with a warning naming it, and the rest written.
int WriteSettingsFile(CliContext& ctx, const std::string& file, bool force, bool verify, bool dropUnfit = false);

/// Throws UsageError for a file `firmware` would not send: no .fls name
/// (unless `force`), not a regular file.
void CheckFirmwareFile(const std::string& path, bool force);
/// Why the firmware file cannot be sent in an update ("" when it can): it
/// cannot be opened for reading and updating, is too large, or is empty.
std::string FirmwareFileProblem(const std::string& path);
/// `firmware [--force] FILE` after CheckFirmwareFile.
int SendFirmware(CliContext& ctx, const std::string& path);

}  // namespace pelmora::cli
