#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "link/CDev.h"

namespace pelmora::firmware {

/// What the firmware window shows; the command line and the window implement it.
class FirmwareView {
public:
    virtual ~FirmwareView() = default;
    virtual void SetStatus(const std::string& status) = 0;
    virtual void SetProgress(int percent) = 0;
    /// A message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
    virtual void EnableExit(bool enabled) = 0;
};

enum class FirmwareResult {
    Success,
    FileOpenError,  ///< nothing was sent
    PortOpenError,  ///< nothing was sent
    SendFailed,     ///< part of the file may have reached the printer
};

/// Largest firmware file accepted; printers' files are a few MiB.
constexpr std::uintmax_t kMaxFirmwareBytes = 64u << 20;
constexpr std::size_t kFirmwarePiece = 4096;

/// Sends the file unchanged over `link` in 4096-byte pieces: reads it whole,
/// opens the link, writes, reports progress after each piece, and closes the
/// link and the file on every path. The link's settings are the caller's.
FirmwareResult DownloadFirmware(const std::filesystem::path& file, link::CDev& link, FirmwareView& view);

}  // namespace pelmora::firmware
