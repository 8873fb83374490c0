#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <ostream>
#include <sstream>

#include "cli/CliContext.h"

namespace pelmora::cli {

namespace {

// Returns the serial line options, which only a serial or Bluetooth port can use.
std::vector<CLI::Option*> AddConnectionOptions(CLI::App& app, CliContext& ctx) {
    const char* group = "Connection (replaces the stored settings for this run only)";
    auto& c = ctx.connection;
    // An empty value would read as "no option" and open the stored port instead.
    const CLI::Validator given(RefuseEmpty, "");
    app.add_option("--tcp", c.tcp, "Raw TCP printer port: HOST[:PORT], HOST dotted IPv4, PORT 9100 by default")
        ->group(group)->check(given);
    app.add_option("--serial", c.serial, "Serial port: COMn or a device path")->group(group)->check(given);
    app.add_option("--bluetooth", c.bluetooth, "Bluetooth serial port: COMn or a device path (rfcomm)")
        ->group(group)->check(given);
    app.add_option("--usb", c.usb, "USB printer device path, e.g. /dev/usb/lp0")->group(group)->check(given);
    const std::string speeds =
        std::to_string(link::kBaudRates.front()) + " .. " + std::to_string(link::kBaudRates.back());
    std::vector<CLI::Option*> line{
        app.add_option("--baud", c.baud, "Serial line speed: " + speeds)->group(group)->capture_default_str(),
        app.add_option("--parity", c.parity, "none, odd or even")->group(group)->capture_default_str(),
        app.add_option("--stop-bits", c.stopBits, "1 or 2")->group(group)->capture_default_str(),
        app.add_option("--flow", c.flow, "none or dtr-dsr")->group(group)->capture_default_str()};
    app.add_flag("--trace", ctx.trace, "Print every byte sent and received on stderr");
    app.add_option("--transcript", ctx.transcript,
                   "Write every link event (opens, bytes both ways, time-outs) to FILE as JSON lines");
    return line;
}

}  // namespace

int RunPelmora(int argc, char** argv, std::ostream& out, std::ostream& err, link::Platform* platform) {
    std::signal(SIGPIPE, SIG_IGN);
    CliContext ctx(out, err);
    if (platform) ctx.UsePlatform(platform);

    CLI::App app{"Configure MPT-Q700VII printers: identify, settings, NV logo images, firmware.\n"
                 "Without a connection option the stored communication settings are used."};
    app.name("pelmora");
    app.set_version_flag("--version", std::string("pelmora ") + PELMORA_VERSION);
    // At most one; with none RunPelmora names the choices, and an unknown word
    // is reported as such rather than as a missing command.
    app.require_subcommand(0, 1);
    const std::vector<CLI::Option*> lineOptions = AddConnectionOptions(app, ctx);

    CommandResult run;
    AddIdentifyCommand(app, ctx, run);
    AddConfigCommand(app, ctx, run);
    AddNvCommand(app, ctx, run);
    AddFirmwareCommand(app, ctx, run);
    AddPortsCommand(app, ctx, run);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? ExitOk : ExitUsage;
    }
    if (!run) {
        const CLI::App* at = &app;
        while (!at->get_subcommands().empty()) at = at->get_subcommands().front();
        std::string choices;
        for (const CLI::App* sub : at->get_subcommands([](const CLI::App*) { return true; }))
            choices += (choices.empty() ? "" : ", ") + sub->get_name();
        PrintMessage(err, "pelmora: a command is required: " + choices);
        return ExitUsage;
    }
    // Line settings with any other link would be dropped without a word.
    const bool lineGiven = std::any_of(lineOptions.begin(), lineOptions.end(), [](CLI::Option* o) { return o->count() > 0; });
    if (lineGiven && ctx.connection.serial.empty() && ctx.connection.bluetooth.empty()) {
        PrintMessage(err, "pelmora: --baud, --parity, --stop-bits and --flow need --serial or --bluetooth");
        return ExitUsage;
    }
    int status;
    try {
        ctx.StartTranscript(std::vector<std::string>(argv, argv + argc));
        status = run();
        ctx.EndTranscript();
    } catch (const UsageError& e) {
        PrintMessage(err, "pelmora: " + e.message);
        status = ExitUsage;
    }
    // What a command stored beside its printer work (the NV image count, say).
    if (const std::string failure = ctx.TakeStoreWriteFailure(); !failure.empty()) {
        PrintMessage(err, "pelmora: warning: " + failure);
        if (status == ExitOk) status = ExitNotStored;
    }
    return status;
}

}  // namespace pelmora::cli
