#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <ostream>
#include <regex>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "cli/DiscoverOutput.h"
#include "context/LocalDiscovery.h"
#include "context/ScanTargets.h"
#include "context/TcpDiscovery.h"
#include "link/BluetoothDevices.h"
#include "link/ConnectProbe.h"
#include "link/LocalFile.h"

namespace pelmora::cli {

namespace {

constexpr int kMaxJobs = 1024;
constexpr std::uint32_t kMaxConnectMs = 60000;
constexpr std::uint32_t kMaxScanSeconds = 120;
constexpr std::uint32_t kDefaultScanSeconds = 10;
constexpr auto kBluetoothWatchEvery = std::chrono::milliseconds(50);

struct DiscoverOptions {
    std::vector<std::string> targets;
    std::uint16_t port = link::kPrinterTcpPort;
    context::TcpDiscoveryOptions scan;
    bool all = false, force = false, json = false, local = false;
    bool bluetoothScan = false;
    std::uint32_t bluetoothScanSeconds = kDefaultScanSeconds;
    std::string printersFile;
};

// A port of this machine rather than a network target: a device path or a COM name.
bool NamesAPort(const std::string& target) {
    static const std::regex com("COM[0-9]+:?", std::regex::icase);
    return target.starts_with('/') || std::regex_match(target, com);
}

bool IsUsbNode(const std::string& path) { return path.find("/usb/lp") != std::string::npos; }

void ShowTcpProgress(CliContext& ctx, const context::TcpDiscoveryProgress& p) {
    const int percent = p.total ? static_cast<int>(p.tried * 100 / p.total) : 100;
    ctx.progress().SetLabel(std::to_string(p.tried) + " of " + std::to_string(p.total) + " addresses, " +
                            std::to_string(p.found) + " found");
    ctx.progress().SetPosition(percent);
}

void ShowLocalProgress(CliContext& ctx, const context::LocalDiscoveryProgress& p) {
    const int percent = p.total ? static_cast<int>(p.tried * 100 / p.total) : 100;
    ctx.progress().SetLabel(std::to_string(p.tried) + " of " + std::to_string(p.total) + " ports, " +
                            std::to_string(p.found) + " found" + (p.trying.empty() ? "" : "; asking " + p.trying));
    ctx.progress().SetPosition(percent);
}

// The ports named on the command line, or every one this machine has.
std::vector<context::LocalCandidate> PortsToTry(CliContext& ctx, const std::vector<std::string>& named) {
    if (named.empty()) return context::LocalCandidates(ctx.platform().trace());
    std::vector<context::LocalCandidate> candidates;
    for (const std::string& port : named)
        candidates.push_back({IsUsbNode(port)                              ? link::PortUsb
                              : port.find("rfcomm") != std::string::npos ? link::PortBluetooth
                                                                           : link::PortSerial,
                              port, {}});
    return candidates;
}

// On a thread of its own, so that Ctrl-C ends a scan at once and the wait is shown.
link::BluetoothListing ListBluetooth(CliContext& ctx, std::uint32_t scanSeconds) {
    link::StopRequest stop;
    std::atomic<bool> done{false};
    link::BluetoothListing listing;
    std::thread lister([&] {
        listing = link::ListBluetoothDevices(scanSeconds * 1000, stop);
        done = true;
    });
    const auto start = std::chrono::steady_clock::now();
    while (!done) {
        if (Interrupted()) stop.Request();
        if (scanSeconds > 0) {
            const auto waited = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
            ctx.progress().SetLabel("Looking for Bluetooth devices in range, " + std::to_string(waited.count()) + " of " +
                                    std::to_string(scanSeconds) + " s");
        }
        std::this_thread::sleep_for(kBluetoothWatchEvery);
    }
    lister.join();
    return listing;
}

void SearchThisMachine(CliContext& ctx, const DiscoverOptions& o, const std::vector<std::string>& named,
                       DiscoveryFindings& f) {
    f.localSearched = true;
    // Named ports are searched as asked; the whole machine includes the Bluetooth devices.
    if (named.empty()) {
        f.bluetoothSearched = true;
        f.bluetooth = ListBluetooth(ctx, o.bluetoothScan ? o.bluetoothScanSeconds : 0);
    }
    f.local = context::DiscoverLocal(ctx.platform(), PortsToTry(ctx, named), {}, Interrupted,
                                     [&ctx](const context::LocalDiscoveryProgress& p) { ShowLocalProgress(ctx, p); });
}

int Discover(CliContext& ctx, const DiscoverOptions& o) {
    if (ctx.connection.printer)
        throw UsageError{"discover searches for printers; give it targets, not --tcp, --serial, --bluetooth or --usb"};
    if (!o.printersFile.empty())
        if (std::string problem = link::OutputProblem(o.printersFile); !problem.empty())
            throw UsageError{"--printers-file " + o.printersFile + ": " + problem};
    std::vector<std::string> network, ports;
    for (const std::string& target : o.targets) (NamesAPort(target) ? ports : network).push_back(target);
    const bool local = o.local || o.targets.empty() || !ports.empty();
    if (o.bluetoothScan && !ports.empty())
        throw UsageError{"discover: --scan looks for Bluetooth devices of the whole machine; name no ports with it"};
    context::ScanTargets targets;
    if (!network.empty()) {
        targets = context::ParseScanTargets(network, o.port, o.force, link::LookUpHost);
        if (!targets.error.empty()) throw UsageError{"discover: " + targets.error};
    }

    DiscoveryFindings findings;
    findings.tcpTotal = targets.total;
    {
        const InterruptScope interruptible;
        if (local) SearchThisMachine(ctx, o, ports, findings);
        if (!network.empty() && !Interrupted())
            findings.tcp = context::DiscoverOnTcp(ctx.platform(), targets, o.scan, Interrupted,
                                                  [&ctx](const context::TcpDiscoveryProgress& p) { ShowTcpProgress(ctx, p); });
        else if (!network.empty()) findings.tcp.stopped = true;
        ctx.EndProgress();
    }
    if (o.json) ctx.out << DiscoveryJson(findings, o.all).dump(2) << '\n';
    else PrintDiscoveryTable(ctx.out, findings, o.all);
    int status = findings.Stopped() ? ExitFailed : ExitOk;
    if (findings.Stopped()) PrintMessage(ctx.err, "pelmora: interrupted; what was found so far is listed");
    if (!o.printersFile.empty())
        if (const std::string failure = WritePrintersFile(o.printersFile, findings); !failure.empty()) {
            PrintMessage(ctx.err, "pelmora: the printers file was not written: " + failure);
            status = ExitFailed;
        }
    return status;
}


void BuildDiscoverCommand(CLI::App* cmd, CommandResult& run) {
    auto o = std::make_shared<DiscoverOptions>();
    cmd->add_option("targets", o->targets,
                    "Addresses, ranges (192.168.1.10-60), CIDR blocks (10.4.0.0/22) or host names, IPv4 or IPv6 "
                    "(ADDRESS:PORT or [IPv6]:PORT for another port); ports of this machine (/dev/ttyUSB0, "
                    "/dev/rfcomm0, /dev/usb/lp0, COM3). None: every port of this machine");
    cmd->add_flag("--local", o->local, "Also search this machine's ports when network targets are given");
    auto* scan = cmd->add_flag("--scan", o->bluetoothScan, "Also look for Bluetooth devices in range that are not paired");
    cmd->add_option("--scan-seconds", o->bluetoothScanSeconds, "How long --scan looks")
        ->check(CLI::Range(std::uint32_t{1}, kMaxScanSeconds))
        ->capture_default_str()
        ->needs(scan);
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
}  // namespace

void AddDiscoverCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "discover",
                   "Search for printers: this machine's serial, Bluetooth and USB ports, and network addresses",
                   [&run](CLI::App& command) { BuildDiscoverCommand(&command, run); });
}

}  // namespace pelmora::cli
