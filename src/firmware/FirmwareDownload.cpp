#include "firmware/FirmwareDownload.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "link/Trace.h"

namespace pelmora::firmware {

namespace {

constexpr const char* kTitle = "Pelmora";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The whole file, or nothing when it cannot be read or is too large.
bool ReadWhole(std::FILE* file, std::vector<std::uint8_t>& image) {
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(file);
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxFirmwareBytes) return false;
    if (std::fseek(file, 0, SEEK_SET) != 0) return false;
    image.resize(static_cast<std::size_t>(size));
    return image.empty() || std::fread(image.data(), 1, image.size(), file) == image.size();
}

}  // namespace

FirmwareResult DownloadFirmware(const std::filesystem::path& path, link::CDev& link, FirmwareView& view) {
    view.SetStatus("Ready firmware download.");
    // Opened for update too: a file the operator may not write is refused.
    File file(std::fopen(path.c_str(), "rb+"));
    std::vector<std::uint8_t> image;
    if (!file || std::filesystem::is_directory(path) || !ReadWhole(file.get(), image)) {
        view.ShowMessage("Error : File Open Error!", kTitle);
        return FirmwareResult::FileOpenError;
    }
    view.SetStatus("Firmware is downloading...Don't turn off the printer!!!");
    if (!link.OpenPort()) {
        view.ShowMessage("Error : OpenPort! Please check printer", kTitle);
        return FirmwareResult::PortOpenError;
    }
    link::Tracef(link.platform().trace(), "===================START==========");
    view.EnableExit(false);

    bool sentAll = true;
    std::size_t sent = 0;
    if (image.empty()) view.SetProgress(0);
    while (sent < image.size()) {
        const std::size_t piece = std::min(kFirmwarePiece, image.size() - sent);
        if (link.WritePort(image.data() + sent, static_cast<int>(piece)) != static_cast<int>(piece)) {
            view.ShowMessage("Error : Send Failed!", kTitle);
            sentAll = false;
            break;
        }
        sent += piece;
        view.SetProgress(static_cast<int>(static_cast<double>(sent) * 100.0 / static_cast<double>(image.size())));
        link::Tracef(link.platform().trace(), "SEND = %zu", sent);
    }
    if (sentAll) view.ShowMessage("Success to download firmware!", kTitle);
    link.ClosePort();
    file.reset();
    view.SetStatus("Finished to download firmware and Reset the printer!");
    view.EnableExit(true);
    return sentAll ? FirmwareResult::Success : FirmwareResult::SendFailed;
}

}  // namespace pelmora::firmware
