#include "firmware/FirmwareDownload.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "link/Trace.h"

namespace pelmora::firmware {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The whole file into `image`; what went wrong otherwise.
FileProblem ReadWhole(std::FILE* file, std::vector<std::uint8_t>& image) {
    if (std::fseek(file, 0, SEEK_END) != 0) return FileProblem::Unreadable;
    const long size = std::ftell(file);
    if (size < 0) return FileProblem::Unreadable;
    if (static_cast<std::uintmax_t>(size) > kMaxFirmwareBytes) return FileProblem::TooLarge;
    if (std::fseek(file, 0, SEEK_SET) != 0) return FileProblem::Unreadable;
    image.resize(static_cast<std::size_t>(size));
    if (!image.empty() && std::fread(image.data(), 1, image.size(), file) != image.size())
        return FileProblem::Unreadable;
    return FileProblem::None;
}

FirmwareOutcome Ended(FirmwareResult result, const char* message, std::string status,
                      FileProblem problem = FileProblem::None) {
    return {result, message ? message : "", message ? text::Title : "", std::move(status), problem};
}

}  // namespace

FirmwareOutcome DownloadFirmware(const std::filesystem::path& path, link::PrinterLink& link, FirmwareProgress& progress) {
    progress.SetStatus(text::Ready);
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return Ended(FirmwareResult::FileOpenError, text::FileOpenError, text::Ready, FileProblem::Directory);
    // Opened for update too: a file the operator may not write is refused. A
    // file without any write permission counts as read-only even for root.
    const auto perms = std::filesystem::status(path, error).permissions();
    constexpr auto kWrite = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                            std::filesystem::perms::others_write;
    if (!error && (perms & kWrite) == std::filesystem::perms::none)
        return Ended(FirmwareResult::FileOpenError, text::FileOpenError, text::Ready, FileProblem::ReadOnly);
    File file(std::fopen(path.c_str(), "rb+"));
    if (!file) return Ended(FirmwareResult::FileOpenError, text::FileOpenError, text::Ready, FileProblem::CannotOpen);
    std::vector<std::uint8_t> image;
    if (const FileProblem problem = ReadWhole(file.get(), image); problem != FileProblem::None)
        return Ended(FirmwareResult::FileOpenError, text::FileOpenError, text::Ready, problem);

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
        if (link.WritePort(image.data() + sent, static_cast<int>(piece)) != static_cast<int>(piece)) {
            result = FirmwareResult::SendFailed;
            break;
        }
        sent += piece;
        progress.SetProgress(static_cast<int>(static_cast<double>(sent) * 100.0 / static_cast<double>(image.size())));
        link::Tracef(link.platform().trace(), "SEND = %zu", sent);
    }
    link.ClosePort();
    file.reset();
    if (result == FirmwareResult::Cancelled) return Ended(result, nullptr, text::Ready);
    progress.SetStatus(text::Finished);
    return result == FirmwareResult::Success ? Ended(result, text::Success, text::Finished)
                                             : Ended(result, text::SendFailed, text::Finished);
}

}  // namespace pelmora::firmware
