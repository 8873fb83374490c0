#include <CLI/CLI.hpp>
#include <csignal>
#include <ostream>
#include <sstream>

#include "cli/CliContext.h"

namespace pelmora::cli {

namespace {

void AddConnectionOptions(CLI::App& app, CliContext& ctx) {
    const char* group = "Connection (replaces the stored settings for this run only)";
    auto& c = ctx.connection;
    app.add_option("--tcp", c.tcp, "Raw TCP printer port: HOST[:PORT], HOST dotted IPv4, PORT 9100 by default")
        ->group(group);
    app.add_option("--serial", c.serial, "Serial port: COMn or a device path")->group(group);
    app.add_option("--bluetooth", c.bluetooth, "Bluetooth serial port: COMn or a device path (rfcomm)")->group(group);
    app.add_option("--usb", c.usb, "USB printer device path, e.g. /dev/usb/lp0")->group(group);
    const std::string speeds =
        std::to_string(link::kBaudRates.front()) + " .. " + std::to_string(link::kBaudRates.back());
    app.add_option("--baud", c.baud, "Serial line speed: " + speeds)->group(group)->capture_default_str();
    app.add_option("--parity", c.parity, "none, odd or even")->group(group)->capture_default_str();
    app.add_option("--stop-bits", c.stopBits, "1 or 2")->group(group)->capture_default_str();
    app.add_option("--flow", c.flow, "none or dtr-dsr")->group(group)->capture_default_str();
    app.add_flag("--trace", ctx.trace, "Print every byte sent and received on stderr");
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
    app.require_subcommand(1);
    AddConnectionOptions(app, ctx);

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
    if (!run) return ExitUsage;
    try {
        return run();
    } catch (const UsageError& e) {
        PrintMessage(err, "pelmora: " + e.message);
        return ExitUsage;
    }
}

}  // namespace pelmora::cli
