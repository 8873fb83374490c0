#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "cli/Latin1.h"
#include "cli/PrinterActions.h"
#include "cli/WaitNotice.h"
#include "context/FailureCause.h"
#include "context/Identification.h"

namespace pelmora::cli {

int IdentifyPrinter(CliContext& ctx, bool json) {
    auto util = ctx.MakePrinterContext();
    context::Identification id;
    bool opened = false;
    {
        // Ended before anything is printed: its line is cleared first.
        const WaitNotice notice(ctx, "Asking the printer who it is");
        opened = util->link().OpenPort();
        if (opened) id = context::IdentifyOpenPrinter(*util);
    }
    if (!opened) {
        PrintMessage(ctx.err, context::OpenFailureMessage("Port open error!", util->link().openFailure()));
        return ExitFailed;
    }
    if (!id.Identified()) {
        PrintMessage(ctx.err, context::WithCause(id.message, id.cause));
        return ExitFailed;
    }
    if (json) {
        nlohmann::json out{{"ModelName", Latin1ToUtf8(id.modelName)},
                           {"ModelCode", id.modelCode},
                           {"VersionText", Latin1ToUtf8(id.versionText)},
                           {"FirmwareVersion", id.firmwareVersion}};
        ctx.out << out.dump(2) << '\n';
    } else {
        ctx.out << "Model:    " << Latin1ToUtf8(id.modelName) << " (code " << id.modelCode << ")\n"
                << "Version:  " << Latin1ToUtf8(id.versionText) << '\n'
                << "Firmware: " << id.firmwareVersion << '\n';
    }
    return ExitOk;
}

void AddIdentifyCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "identify", "Identify the printer: model, version text and firmware number",
                   [&run](CLI::App& cmd) {
                       auto json = std::make_shared<bool>(false);
                       cmd.add_flag("--json", *json, "Print one JSON object");
                       cmd.callback([&run, json] { run = [json](CliContext& ctx) { return IdentifyPrinter(ctx, *json); }; });
                   });
}

}  // namespace pelmora::cli
