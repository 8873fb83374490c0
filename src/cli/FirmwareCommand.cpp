#include <CLI/CLI.hpp>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <ostream>

#include "cli/CliContext.h"
#include "firmware/FirmwareDownload.h"
#include "link/CDev.h"

namespace pelmora::cli {

namespace {

// The download's status and percentage on the progress line (a terminal only).
class CliFirmwareProgress final : public firmware::FirmwareProgress {
public:
    explicit CliFirmwareProgress(CliContext& ctx) : ctx_(ctx) {}
    void SetStatus(const std::string& status) override { status_ = status; }
    void SetProgress(int percent) override {
        ctx_.progress().SetLabel(status_);
        ctx_.progress().SetPosition(percent);
    }

private:
    CliContext& ctx_;
    std::string status_;
};

bool HasFirmwareExtension(const std::string& path) {
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".fls") == 0;
}

// Why the firmware file could not be opened, for the line below the window's text.
std::string OpenProblem(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return error.message();
    if (size > firmware::kMaxFirmwareBytes)
        return "larger than " + std::to_string(firmware::kMaxFirmwareBytes >> 20) + " MiB, the most a firmware file can be";
    // The firmware is opened for update, so a file the operator may not write is refused too.
    if (::access(path.c_str(), R_OK | W_OK) != 0) return std::generic_category().message(errno);
    return "cannot be read";
}

int Download(CliContext& ctx, const std::string& path, bool force) {
    if (!force && !HasFirmwareExtension(path))
        throw UsageError{"'" + path + "' is not a firmware file (*.fls); use --force to send it anyway"};
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    // Opening a FIFO would wait for a writer; a device has no size to send.
    if (!error && type != std::filesystem::file_type::regular)
        throw UsageError{"'" + path + "' is not a regular file"};
    link::CDev link(ctx.platform());  // the download has a link of its own
    link.Configure(ctx.Settings());

    CliFirmwareProgress progress(ctx);
    const firmware::FirmwareOutcome outcome = firmware::DownloadFirmware(path, link, progress);
    ctx.EndProgress();
    const bool ok = outcome.result == firmware::FirmwareResult::Success;
    if (!outcome.message.empty()) PrintMessage(ok ? ctx.out : ctx.err, outcome.message);
    switch (outcome.result) {
    case firmware::FirmwareResult::Success:
        PrintMessage(ctx.out, outcome.status);
        if (std::filesystem::file_size(path, error) == 0 && !error)
            PrintMessage(ctx.err, "pelmora: warning: the firmware file is empty; nothing was sent");
        return ExitOk;
    case firmware::FirmwareResult::FileOpenError:
        PrintMessage(ctx.err, "(" + path + ": " + OpenProblem(path) + ")");
        return ExitUsage;
    case firmware::FirmwareResult::PortOpenError:
    case firmware::FirmwareResult::SendFailed:
        return ExitFailed;
    }
    return ExitFailed;
}

}  // namespace

void AddFirmwareCommand(CLI::App& app, CliContext& ctx, CommandResult& run) {
    auto* cmd = app.add_subcommand("firmware", "Send a firmware file (*.fls) to the printer");
    auto path = std::make_shared<std::string>();
    auto force = std::make_shared<bool>(false);
    cmd->add_option("FILE", *path, "The firmware file")->required();
    cmd->add_flag("--force", *force, "Send a file whose name does not end in .fls");
    cmd->callback([&ctx, &run, path, force] { run = [&ctx, path, force] { return Download(ctx, *path, *force); }; });
}

}  // namespace pelmora::cli
