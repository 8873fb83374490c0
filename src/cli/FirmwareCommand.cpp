#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "firmware/FirmwareDownload.h"
#include "link/CDev.h"

namespace pelmora::cli {

namespace {

// The firmware window's texts, on the command line: results to stdout,
// failures to stderr, the percentage only on a terminal.
class CliFirmwareView final : public firmware::FirmwareView {
public:
    explicit CliFirmwareView(CliContext& ctx) : ctx_(ctx) {}
    void SetStatus(const std::string& status) override { status_ = status; }
    void SetProgress(int percent) override {
        ctx_.progress().SetLabel(status_);
        ctx_.progress().SetPosition(percent);
    }
    void ShowMessage(const std::string& text, const std::string&) override {
        messages_.push_back(text);
    }
    void EnableExit(bool) override {}
    const std::vector<std::string>& messages() const { return messages_; }
    const std::string& status() const { return status_; }

private:
    CliContext& ctx_;
    std::string status_;
    std::vector<std::string> messages_;
};

bool HasFirmwareExtension(const std::string& path) {
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".fls") == 0;
}

int Download(CliContext& ctx, const std::string& path, bool force) {
    if (!force && !HasFirmwareExtension(path))
        throw UsageError{"'" + path + "' is not a firmware file (*.fls); use --force to send it anyway"};
    link::CDev link(ctx.platform());  // the download has a link of its own
    link.Configure(ctx.Settings());

    CliFirmwareView view(ctx);
    const auto result = firmware::DownloadFirmware(path, link, view);
    ctx.EndProgress();
    for (const auto& message : view.messages())
        PrintMessage(result == firmware::FirmwareResult::Success ? ctx.out : ctx.err, message);
    switch (result) {
    case firmware::FirmwareResult::Success:
        PrintMessage(ctx.out, view.status());
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
