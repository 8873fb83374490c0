#include <CLI/CLI.hpp>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "cli/KeepSettingsUpdate.h"
#include "cli/PrinterActions.h"
#include "cli/SettingsBackup.h"
#include "context/FailureCause.h"
#include "firmware/FirmwareDownload.h"
#include "link/PrinterLink.h"

namespace pelmora::cli {

namespace {

// The download's status and percentage on the progress line (a terminal only).
class CliFirmwareProgress final : public firmware::FirmwareProgress {
public:
    explicit CliFirmwareProgress(CliContext& ctx) : ctx_(ctx) {}
    void SetStatus(const std::string& status) override { status_ = status; }
    void SetProgress(int percent) override {
        percent_ = percent;
        ctx_.progress().SetLabel(status_);
        ctx_.progress().SetPosition(percent);
    }
    // Ctrl-C, SIGTERM and SIGHUP stop the download between two pieces.
    bool Cancelled() const override { return Interrupted(); }
    /// How far the download came, -1 before the first piece went.
    int percent() const { return percent_; }

private:
    CliContext& ctx_;
    std::string status_;
    int percent_ = -1;
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

struct FirmwareOptions {
    std::string path;
    bool force = false;
    bool keepSettings = false;
    bool noBackup = false;
    int waitSeconds = 120;
};

int Download(CliContext& ctx, const FirmwareOptions& o) {
    CheckFirmwareFile(o.path, o.force);
    if (o.keepSettings) return UpdateKeepingSettings(ctx, {o.path, o.force, o.waitSeconds});
    // A copy first, as a new firmware may come back with factory settings; a
    // printer that cannot be read (one that needs its firmware again) still gets it.
    // A file that will not be sent needs no copy.
    if (!o.noBackup && FirmwareFileProblem(o.path).empty()) {
        const SettingsBackup saved = BackUpSettings(ctx);
        if (saved.path.empty())
            PrintMessage(ctx.err, "pelmora: warning: the settings could not be backed up" +
                                      (saved.failure.empty() ? std::string() : " (" + saved.failure + ")") +
                                      "; the firmware is sent anyway");
    }
    return SendFirmware(ctx, o.path);
}

}  // namespace

void CheckFirmwareFile(const std::string& path, bool force) {
    if (!force && !HasFirmwareExtension(path))
        throw UsageError{"'" + path + "' is not a firmware file (*.fls); use --force to send it anyway"};
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    // Opening a FIFO would wait for a writer; a device has no size to send.
    if (!error && type != std::filesystem::file_type::regular)
        throw UsageError{"'" + path + "' is not a regular file"};
}

std::string FirmwareFileProblem(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    // The printer would not restart, and the wait would end at once with nothing updated.
    if (!error && size == 0) return "the file is empty: there is no firmware to send";
    if (!error && size <= firmware::kMaxFirmwareBytes && ::access(path.c_str(), R_OK | W_OK) == 0) return {};
    return OpenProblem(path);
}

int SendFirmware(CliContext& ctx, const std::string& path) {
    std::error_code error;
    link::PrinterLink link(ctx.platform());  // the download has a link of its own
    link.Configure(ctx.Settings());

    CliFirmwareProgress progress(ctx);
    const InterruptScope interruptible;
    const firmware::FirmwareOutcome outcome = firmware::DownloadFirmware(path, link, progress);
    ctx.EndProgress();
    const bool ok = outcome.result == firmware::FirmwareResult::Success;
    const std::string message = outcome.result == firmware::FirmwareResult::PortOpenError
        ? context::OpenFailureMessage(outcome.message, link.openFailure())
        : outcome.message;
    if (!message.empty()) PrintMessage(ok ? ctx.out : ctx.err, message);
    switch (outcome.result) {
    case firmware::FirmwareResult::Success:
        PrintMessage(ctx.out, outcome.status);
        if (std::filesystem::file_size(path, error) == 0 && !error)
            PrintMessage(ctx.err, "pelmora: warning: the firmware file is empty; nothing was sent");
        return ExitOk;
    case firmware::FirmwareResult::FileOpenError:
        PrintMessage(ctx.err, "(" + path + ": " + OpenProblem(path) + ")");
        return ExitUsage;
    case firmware::FirmwareResult::Cancelled:
        if (progress.percent() < 0) PrintMessage(ctx.err, "pelmora: interrupted before any firmware was sent; the printer is as it was");
        else
            PrintMessage(ctx.err, "pelmora: interrupted after " + std::to_string(progress.percent()) +
                                      " % of the firmware was sent: the printer may not start until it gets the whole "
                                      "file; send it again with the same command before you switch the printer off");
        return ExitFailed;
    case firmware::FirmwareResult::PortOpenError:
    case firmware::FirmwareResult::SendFailed:
        return ExitFailed;
    }
    return ExitFailed;
}

namespace {
void BuildFirmwareCommand(CLI::App* cmd, CommandResult& run) {
    auto o = std::make_shared<FirmwareOptions>();
    cmd->add_option("FILE", o->path, "The firmware file")->required();
    cmd->add_flag("--force", o->force,
                  "Send a file whose name does not end in .fls; with --keep-settings, also write the saved "
                  "settings back when the printer comes back as another model");
    cmd->add_flag("--no-backup", o->noBackup,
                  "Do not first save the printer's settings beside the settings store (the file is named on stderr)");
    auto* keep = cmd->add_flag(
        "--keep-settings", o->keepSettings,
        "Read the printer's settings first and save them beside the settings store, send the firmware, wait for "
        "the printer to answer again, write the settings back (checked against the new firmware) and print the "
        "old and new version");
    cmd->add_option("--wait", o->waitSeconds, "With --keep-settings: seconds to wait for the printer to answer after the firmware")
        ->check(CLI::Range(1, 3600))
        ->capture_default_str()
        ->needs(keep);
    cmd->callback([&run, o] { run = [o](CliContext& ctx) { return Download(ctx, *o); }; });
}
}  // namespace

void AddFirmwareCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "firmware", "Send a firmware file (*.fls) to the printer",
                   [&run](CLI::App& command) { BuildFirmwareCommand(&command, run); });
}

}  // namespace pelmora::cli
