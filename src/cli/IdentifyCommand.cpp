#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/Latin1.h"
#include "cli/PrinterActions.h"
#include "context/FailureCause.h"
#include "context/ResultCode.h"

namespace pelmora::cli {

int IdentifyPrinter(CliContext& ctx, bool json) {
    auto util = ctx.MakePrinterContext();
    if (!util->link.OpenPort()) {
        PrintMessage(ctx.err, "Port open error!");
        return ExitFailed;
    }
    const std::uint32_t startedAt = util->clock().TickCount();
    if (const int result = util->QueryPrinter(context::QUERY_MODEL); result != rc::Ok) {
        util->link.ClosePort();
        const std::string cause = context::IdentifyFailureCause(*util, context::QUERY_MODEL, result,
                                                                util->clock().TickCount() - startedAt);
        PrintMessage(ctx.err, context::WithCause("Printer model is not matched!", cause));
        return ExitFailed;
    }
    const int version = util->QueryPrinter(context::QUERY_VERSION);
    util->link.ClosePort();
    if (version != rc::Ok) {
        PrintMessage(ctx.err, context::WithCause("Failed to get printer version!", context::BusyCause(*util)));
        return ExitFailed;
    }
    if (json) {
        nlohmann::json out{{"ModelName", Latin1ToUtf8(util->ModelName)},
                           {"ModelCode", util->ModelCode},
                           {"VersionText", Latin1ToUtf8(util->VersionText)},
                           {"FirmwareVersion", util->FirmwareVersion}};
        ctx.out << out.dump(2) << '\n';
    } else {
        ctx.out << "Model:    " << Latin1ToUtf8(util->ModelName) << " (code " << util->ModelCode << ")\n"
                << "Version:  " << Latin1ToUtf8(util->VersionText) << '\n'
                << "Firmware: " << util->FirmwareVersion << '\n';
    }
    return ExitOk;
}

void AddIdentifyCommand(CLI::App& app, CommandResult& run) {
    auto* cmd = app.add_subcommand("identify", "Identify the printer: model, version text and firmware number");
    auto json = std::make_shared<bool>(false);
    cmd->add_flag("--json", *json, "Print one JSON object");
    cmd->callback([&run, json] { run = [json](CliContext& ctx) { return IdentifyPrinter(ctx, *json); }; });
}

}  // namespace pelmora::cli
