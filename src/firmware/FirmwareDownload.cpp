#include "firmware/FirmwareDownload.h"

#include <unistd.h>

#include <algorithm>
#include <string>

#include "link/LocalFile.h"
#include "link/Trace.h"

namespace pelmora::firmware {

namespace {

// The whole file through the shared reader, so a FIFO or a device never
// blocks the download; what went wrong otherwise. A file the operator may not
// write is refused (the printer's tools open it for update); one without any
// write permission counts as read-only even for root.
FileProblem ReadImage(const std::filesystem::path& path, std::string& image) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return FileProblem::Directory;
    const auto status = std::filesystem::status(path, error);
    if (error) return FileProblem::CannotOpen;
    constexpr auto kWrite = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                            std::filesystem::perms::others_write;
    if ((status.permissions() & kWrite) == std::filesystem::perms::none || ::access(path.string().c_str(), W_OK) != 0)
        return FileProblem::ReadOnly;
    if (std::filesystem::is_regular_file(status) && std::filesystem::file_size(path, error) > kMaxFirmwareBytes)
        return FileProblem::TooLarge;
    switch (link::ReadLocalFile(path.string(), kMaxFirmwareBytes, image)) {
    case link::FileRead::Ok: return FileProblem::None;
    case link::FileRead::Missing: return FileProblem::CannotOpen;
    case link::FileRead::Failed: break;
    }
    return FileProblem::Unreadable;  // no regular file, or grown past the limit meanwhile
}

FirmwareOutcome Ended(FirmwareResult result, const char* message, std::string status,
                      FileProblem problem = FileProblem::None) {
    return {result, message ? message : "", message ? text::Title : "", std::move(status), problem};
}

}  // namespace

FirmwareOutcome DownloadFirmware(const std::filesystem::path& path, link::PrinterLink& link, FirmwareProgress& progress) {
    progress.SetStatus(text::Ready);
    std::string image;
    if (const FileProblem problem = ReadImage(path, image); problem != FileProblem::None)
        return Ended(FirmwareResult::FileOpenError, text::FileOpenError, text::Ready, problem);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());

    progress.SetStatus(text::Downloading);
    if (!link.OpenPort()) return Ended(FirmwareResult::PortOpenError, text::PortOpenError, text::Downloading);
    link::Tracef(link.platform().trace(), "===================START==========");
    progress.Sending();

    FirmwareResult result = FirmwareResult::Success;
    std::size_t sent = 0;
    if (image.empty()) progress.SetProgress(0);
    while (sent < image.size()) {
        if (progress.Cancelled()) {
            result = FirmwareResult::Cancelled;
            break;
        }
        const std::size_t piece = std::min(kFirmwarePiece, image.size() - sent);
        if (link.WritePort(bytes + sent, static_cast<int>(piece)) != static_cast<int>(piece)) {
            result = FirmwareResult::SendFailed;
            break;
        }
        sent += piece;
        progress.SetProgress(static_cast<int>(static_cast<double>(sent) * 100.0 / static_cast<double>(image.size())));
        link::Tracef(link.platform().trace(), "SEND = %s", std::to_string(sent).c_str());
    }
    link.ClosePort();
    if (result == FirmwareResult::Cancelled) return Ended(result, nullptr, text::Ready);
    progress.SetStatus(text::Finished);
    return result == FirmwareResult::Success ? Ended(result, text::Success, text::Finished)
                                             : Ended(result, text::SendFailed, text::Finished);
}

}  // namespace pelmora::firmware
