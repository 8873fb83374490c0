#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <iostream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <unistd.h>

#include "cli/CliContext.h"
#include "cli/Confirm.h"
#include "cli/FleetRun.h"
#include "cli/InputFile.h"
#include "context/PortMap.h"
#include "context/Signals.h"

namespace pelmora::cli {

namespace {

constexpr std::size_t kKindCount = 4;
constexpr std::array<PrinterAddress::Kind, kKindCount> kKinds{
    PrinterAddress::Kind::Tcp, PrinterAddress::Kind::Serial, PrinterAddress::Kind::Bluetooth,
    PrinterAddress::Kind::Usb};

// The commands that run against each of several printers.
const std::set<std::string> kFleetCommands{"identify",     "inventory",   "config get",  "config set",
                                           "config diff",  "config default", "nv list", "nv download",
                                           "nv print",     "nv delete"};

// A printers file lists a fleet, not a novel.
constexpr std::size_t kMaxPrintersFileBytes = 1u << 20;

/// What the command line says about the printers, before it is checked.
struct PrinterOptions {
    std::array<std::vector<std::string>, kKindCount> values;
    std::array<CLI::Option*, kKindCount> options{};
    std::vector<CLI::Option*> line;  ///< the serial line settings
    std::string file;                ///< --printers
    CLI::Option* jobs = nullptr;
    CLI::Option* json = nullptr;
    FleetOptions fleet;
    bool yes = false;  ///< --yes: no question before what cannot be undone
};

void AddConnectionOptions(CLI::App& app, CliContext& ctx, PrinterOptions& p) {
    const char* group = "Connection (replaces the stored settings for this run only; repeat for several printers)";
    auto& c = ctx.connection;
    // An empty value would read as "no option" and open the stored port instead.
    const CLI::Validator given(RefuseEmpty, "");
    const std::array<std::string, kKindCount> help{
        "Raw TCP printer port: HOST[:PORT] or [IPV6]:PORT, HOST a name, dotted IPv4 or IPv6, PORT " +
            std::to_string(link::kPrinterTcpPort) + " by default",
        "Serial port: COMn or a device path", "Bluetooth serial port: COMn or a device path (rfcomm)",
        "USB printer device path, e.g. /dev/usb/lp0"};
    for (std::size_t k = 0; k < kKindCount; ++k)
        p.options[k] = app.add_option(std::string("--") + KindName(kKinds[k]), p.values[k], help[k])
                           ->group(group)
                           ->check(given)
                           ->expected(1)
                           ->allow_extra_args(false)
                           ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    const std::string speeds =
        std::to_string(link::kBaudRates.front()) + " .. " + std::to_string(link::kBaudRates.back());
    p.line = {
        app.add_option("--baud", c.baud, "Serial line speed: " + speeds)->group(group)->capture_default_str(),
        app.add_option("--parity", c.parity, "none, odd or even")->group(group)->capture_default_str(),
        app.add_option("--stop-bits", c.stopBits, "1 or 2")->group(group)->capture_default_str(),
        app.add_option("--flow", c.flow, "none or dtr-dsr")->group(group)->capture_default_str()};

    const char* fleet = "Several printers";
    app.add_option("--printers", p.file,
                   "File naming printers, one a line: tcp HOST[:PORT], serial PORT, bluetooth PORT or usb PATH "
                   "(# starts a comment)")
        ->group(fleet)
        ->check(given);
    p.jobs = app.add_option("--jobs", p.fleet.jobs, "Printers worked on at once")
                 ->group(fleet)
                 ->check(CLI::Range(1, 64))
                 ->capture_default_str();
    p.json = app.add_flag("--json", p.fleet.json, "Print the results of all printers as one JSON array")->group(fleet);

    app.add_flag("-y,--yes", p.yes,
                 "Do not ask before config default, nv delete --all and firmware (only a terminal is asked)");
    app.add_flag("--trace", ctx.trace, "Print every byte sent and received on stderr");
    app.add_flag("--show-secrets", ctx.showSecrets,
                 "Show the Bluetooth PIN in text output and diffs (masked otherwise; JSON backups keep it)");
    app.add_option("--transcript", ctx.transcript,
                   "Write every link event (opens, bytes both ways, time-outs) to FILE as JSON lines")
        ->check(CLI::Validator(RefuseEmpty, ""));
}

// The printers in the order the options named them, then the file's.
std::vector<PrinterAddress> GivenPrinters(const CLI::App& app, const PrinterOptions& p, CliContext& ctx) {
    std::vector<PrinterAddress> printers;
    std::array<std::size_t, kKindCount> used{};
    for (const CLI::Option* option : app.parse_order())
        for (std::size_t k = 0; k < kKindCount; ++k)
            if (option == p.options[k] && used[k] < p.values[k].size())
                printers.push_back({kKinds[k], p.values[k][used[k]++]});
    if (!p.file.empty()) {
        const auto listed = ParsePrinterList(ReadInputFile(p.file, kMaxPrintersFileBytes), p.file);
        printers.insert(printers.end(), listed.begin(), listed.end());
    }
    RefuseRepeatedPrinters(printers, [&ctx](const std::string& name) {
        return context::ResolvePortName(ctx.store(), name);
    });
    return printers;
}

const CLI::App* ChosenCommand(const CLI::App& app) {
    const CLI::App* at = &app;
    while (!at->get_subcommands().empty()) at = at->get_subcommands().front();
    return at;
}

std::string CommandPath(const CLI::App& app) {
    std::string path;
    for (const CLI::App* at = &app; !at->get_subcommands().empty();) {
        at = at->get_subcommands().front();
        path += (path.empty() ? "" : " ") + at->get_name();
    }
    return path;
}

int NotConfirmed(CliContext& ctx) {
    PrintMessage(ctx.err, "pelmora: not confirmed; nothing was sent (--yes goes on without asking)");
    return ExitFailed;
}

// What a command replaces on the printer, for the question before it; null
// for a command that can be undone or changes nothing.
const char* Replaces(const CLI::App& app) {
    const std::string command = CommandPath(app);
    if (command == "config default") return "Restore the factory settings of";
    if (command == "firmware") return "Send new firmware to";
    const CLI::Option* all = ChosenCommand(app)->get_option_no_throw("--all");
    if (command == "nv delete" && all && all->count() > 0) return "Delete every stored NV image of";
    return nullptr;
}

bool ConfirmedFor(const CLI::App& app, const PrinterOptions& p, CliContext& ctx, std::size_t printers) {
    const char* replaces = Replaces(app);
    if (!replaces) return true;
    const std::string which = printers > 1 ? std::to_string(printers) + " printers"
                              : ctx.connection.printer ? AsOption(*ctx.connection.printer)
                                                       : std::string("the stored printer");
    return Confirmed(std::cin, ctx.err, std::string(replaces) + " " + which + "?", p.yes, ::isatty(STDIN_FILENO) == 1);
}

int Run(CLI::App& app, CliContext& ctx, PrinterOptions& p, const CommandResult& run,
        const std::vector<std::string>& commandLine) {
    const std::vector<PrinterAddress> printers = GivenPrinters(app, p, ctx);
    // Line settings with any other link would be dropped without a word.
    const bool lineGiven = std::any_of(p.line.begin(), p.line.end(), [](CLI::Option* o) { return o->count() > 0; });
    const bool serialGiven = std::any_of(printers.begin(), printers.end(), [](const PrinterAddress& a) {
        return a.kind == PrinterAddress::Kind::Serial || a.kind == PrinterAddress::Kind::Bluetooth;
    });
    if (lineGiven && !serialGiven) throw UsageError{"--baud, --parity, --stop-bits and --flow need --serial or --bluetooth"};

    const bool several = !p.file.empty() || printers.size() > 1;
    if (!several) {
        if (p.jobs->count() || p.json->count())
            throw UsageError{"--jobs and --json before the command are for several printers (--printers, or a "
                             "connection option given more than once)"};
        if (!printers.empty()) ctx.connection.printer = printers.front();
        if (!ctx.transcript.empty() && CommandPath(app) == "discover")
            throw UsageError{"--transcript records one printer's link; discover talks to many"};
        if (!ConfirmedFor(app, p, ctx, 1)) return NotConfirmed(ctx);
        ctx.StartTranscript(commandLine);
        return run(ctx);
    }
    const std::string command = CommandPath(app);
    if (!kFleetCommands.count(command))
        throw UsageError{"'" + command + "' works with one printer; several printers are for identify, inventory, "
                         "config get/set/diff/default and nv list/download/print/delete"};
    if (!ctx.transcript.empty()) throw UsageError{"--transcript records one printer's link; give one printer"};
    const CLI::Option* commandJson = ChosenCommand(app)->get_option_no_throw("--json");
    p.fleet.commandJson = commandJson && commandJson->count() > 0;
    p.fleet.json = p.fleet.json || p.fleet.commandJson;
    p.fleet.diff = command == "config diff";
    if (!ConfirmedFor(app, p, ctx, printers.size())) return NotConfirmed(ctx);
    return RunFleet(ctx, printers, p.fleet, run);
}

}  // namespace

int RunPelmora(int argc, char** argv, std::ostream& out, std::ostream& err, link::Platform* platform) {
    context::PrepareStandardStreams();
    CliContext ctx(out, err);
    if (platform) ctx.UsePlatform(platform);

    CLI::App app{"Configure MPT-Q700VII printers: identify, settings, NV logo images, firmware.\n"
                 "Without a connection option the stored communication settings are used. With several printers\n"
                 "(--printers FILE, or connection options given more than once) identify, inventory, config and nv\n"
                 "list/download/print/delete run against each, --jobs at once, and a summary follows; the exit\n"
                 "status is 0 only when every printer succeeded."};
    app.name("pelmora");
    app.set_version_flag("--version", std::string("pelmora ") + PELMORA_VERSION + "\nLicense: " PELMORA_LICENSE);
    // At most one; with none RunPelmora names the choices, and an unknown word
    // is reported as such rather than as a missing command.
    app.require_subcommand(0, 1);
    PrinterOptions printerOptions;
    AddConnectionOptions(app, ctx, printerOptions);

    CommandResult run;
    AddIdentifyCommand(app, run);
    AddInventoryCommand(app, run);
    AddConfigCommand(app, run);
    AddNvCommand(app, run);
    AddFirmwareCommand(app, run);
    AddPortsCommand(app, run);
    AddDiscoverCommand(app, run);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? ExitOk : ExitUsage;
    }
    if (!run) {
        std::string choices;
        for (const CLI::App* sub : ChosenCommand(app)->get_subcommands([](const CLI::App*) { return true; }))
            choices += (choices.empty() ? "" : ", ") + sub->get_name();
        PrintMessage(err, "pelmora: a command is required: " + choices);
        return ExitUsage;
    }
    int status;
    try {
        status = Run(app, ctx, printerOptions, run, std::vector<std::string>(argv, argv + argc));
        // A transcript cut short is no record of the run.
        if (!ctx.EndTranscript() && status == ExitOk) status = ExitFailed;
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
