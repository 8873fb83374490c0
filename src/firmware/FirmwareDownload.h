#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "link/PrinterLink.h"

namespace pelmora::firmware {

/// The texts a download can end with or pass through, in the order it uses them.
namespace text {
inline constexpr const char* Title = "Pelmora";
inline constexpr const char* Ready = "Ready firmware download.";
inline constexpr const char* Downloading = "Firmware is downloading...Don't turn off the printer!!!";
inline constexpr const char* Finished = "Finished to download firmware and Reset the printer!";
inline constexpr const char* FileOpenError = "Error : File Open Error!";
inline constexpr const char* PortOpenError = "Error : OpenPort! Please check printer";
inline constexpr const char* SendFailed = "Error : Send Failed!";
inline constexpr const char* Success = "Success to download firmware!";
}  // namespace text

/// What a download reports while it runs; called on the thread that runs it.
class FirmwareProgress {
public:
    virtual ~FirmwareProgress() = default;
    /// A new status text (one of text::Ready, Downloading, Finished).
    virtual void SetStatus(const std::string& status) = 0;
    /// After each piece: the percentage sent, 0 for an empty file.
    virtual void SetProgress(int percent) = 0;
    /// The link is open and the pieces go out now; the window locks "Exit".
    virtual void Sending() {}
    /// Asked before each piece, on the sending thread: true ends the send there.
    virtual bool Cancelled() const { return false; }
};

enum class FirmwareResult {
    Success,
    FileOpenError,  ///< nothing was sent
    PortOpenError,  ///< nothing was sent
    SendFailed,     ///< part of the file may have reached the printer
    Cancelled,      ///< stopped between pieces; no box, part of the file was sent
};

/// Why a file was refused (FileOpenError), for a second line under the message.
enum class FileProblem { None, CannotOpen, ReadOnly, Directory, TooLarge, Unreadable };

/// How a download ended: the box to show (empty `message`: none) and the
/// status text left standing.
struct FirmwareOutcome {
    FirmwareResult result = FirmwareResult::Success;
    std::string message;
    std::string title;
    std::string status;
    FileProblem problem = FileProblem::None;
};

/// Largest firmware file accepted; printers' files are a few MiB.
constexpr std::uintmax_t kMaxFirmwareBytes = 64u << 20;
constexpr std::size_t kFirmwarePiece = 4096;

/// Sends the file unchanged over `link` in 4096-byte pieces: reads it whole,
/// opens the link, writes, reports progress after each piece, and closes the
/// link and the file on every path. The link's settings are the caller's.
/// `progress` can stop it between pieces (Cancelled).
/// Shows nothing itself: the outcome says what the caller shows.
FirmwareOutcome DownloadFirmware(const std::filesystem::path& file, link::PrinterLink& link, FirmwareProgress& progress);

}  // namespace pelmora::firmware
