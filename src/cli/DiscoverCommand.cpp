#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/DiscoverOutput.h"
#include "context/ScanTargets.h"
#include "context/TcpDiscovery.h"
#include "link/ConnectProbe.h"
#include "link/LocalFile.h"

namespace pelmora::cli {

namespace {

constexpr int kMaxJobs = 1024;
constexpr std::uint32_t kMaxConnectMs = 60000;

struct DiscoverOptions {
    std::vector<std::string> targets;
    std::uint16_t port = link::kPrinterTcpPort;
    context::TcpDiscoveryOptions scan;
    bool all = false, force = false, json = false;
    std::string printersFile;
};

void ShowProgress(CliContext& ctx, const context::TcpDiscoveryProgress& p) {
    const int percent = p.total ? static_cast<int>(p.tried * 100 / p.total) : 100;
    ctx.progress().SetLabel(std::to_string(p.tried) + " of " + std::to_string(p.total) + " addresses, " +
                            std::to_string(p.found) + " found");
    ctx.progress().SetPosition(percent);
}

int Discover(CliContext& ctx, const DiscoverOptions& o) {
    if (ctx.connection.printer) throw UsageError{"discover searches for printers; give it targets, not --tcp, --serial, --bluetooth or --usb"};
    if (o.targets.empty()) throw UsageError{"discover: name the addresses to search (ADDRESS, FIRST-LAST, ADDRESS/BITS or a host name)"};
    if (!o.printersFile.empty())
        if (std::string problem = link::OutputProblem(o.printersFile); !problem.empty())
            throw UsageError{"--printers-file " + o.printersFile + ": " + problem};
    const context::ScanTargets targets = context::ParseScanTargets(o.targets, o.port, o.force, link::LookUpHost);
    if (!targets.error.empty()) throw UsageError{"discover: " + targets.error};

    context::TcpDiscoveryResult result;
    {
        const InterruptScope interruptible;
        result = context::DiscoverOnTcp(ctx.platform(), targets, o.scan, Interrupted,
                                        [&ctx](const context::TcpDiscoveryProgress& p) { ShowProgress(ctx, p); });
        ctx.EndProgress();
    }
    if (o.json) ctx.out << DiscoveryJson(result, targets.total, o.all).dump(2) << '\n';
    else PrintDiscoveryTable(ctx.out, result, o.all);
    int status = result.stopped ? ExitFailed : ExitOk;
    if (result.stopped) PrintMessage(ctx.err, "pelmora: interrupted; what was found so far is listed");
    if (!o.printersFile.empty())
        if (const std::string failure = WritePrintersFile(o.printersFile, result); !failure.empty()) {
            PrintMessage(ctx.err, "pelmora: the printers file was not written: " + failure);
            status = ExitFailed;
        }
    return status;
}

}  // namespace

void AddDiscoverCommand(CLI::App& app, CommandResult& run) {
    auto* cmd = app.add_subcommand("discover", "Search the network for printers and identify what answers");
    auto o = std::make_shared<DiscoverOptions>();
    cmd->add_option("targets", o->targets,
                    "Addresses, ranges (192.168.1.10-60), CIDR blocks (10.4.0.0/22) or host names, IPv4 or IPv6; "
                    "ADDRESS:PORT or [IPv6]:PORT for another port");
    cmd->add_option("--port", o->port, "TCP port of the printers")->check(CLI::Range(1, 65535))->capture_default_str();
    cmd->add_option("--jobs", o->scan.jobs, "Addresses tried at once")->check(CLI::Range(1, kMaxJobs))->capture_default_str();
    cmd->add_option("--timeout", o->scan.connectMs, "Milliseconds an address has to accept a connection")
        ->check(CLI::Range(std::uint32_t{1}, kMaxConnectMs))
        ->capture_default_str();
    cmd->add_flag("--all", o->all, "Also list what answered but is not an MPT-Q700VII, and why");
    cmd->add_flag("--force", o->force, "Search a block larger than a /16");
    cmd->add_flag("--json", o->json, "Print one JSON object");
    cmd->add_option("--printers-file", o->printersFile, "Write the printers found to FILE, as --printers reads it")
        ->check(CLI::Validator(RefuseEmpty, ""));
    cmd->callback([&run, o] { run = [o](CliContext& ctx) { return Discover(ctx, *o); }; });
}

}  // namespace pelmora::cli
