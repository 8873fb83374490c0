#include <CLI/CLI.hpp>
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

int Download(CliContext& ctx, const std::string& path, bool force) {
    if (!force && !HasFirmwareExtension(path))
        throw UsageError{"'" + path + "' is not a firmware file (*.fls); use --force to send it anyway"};
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
        return ExitOk;
    case firmware::FirmwareResult::FileOpenError:
        PrintMessage(ctx.err, "(" + path + ")");
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
