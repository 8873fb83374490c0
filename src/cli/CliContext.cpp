#include "cli/CliContext.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <ostream>
#include <unistd.h>

#include "cli/TerminalProgress.h"
#include "context/PortMap.h"
#include "context/Signals.h"
#include "context/StoredCommSettings.h"
#include "context/TcpAddress.h"
#include "context/SystemPlatform.h"
#include "link/TranscriptPlatform.h"

namespace pelmora::cli {

namespace {

// A service manager's stop (SIGTERM), a closed terminal (SIGHUP) and Ctrl-C
// all cancel the running job the way the windows' Cancel does.
std::atomic<bool> g_interrupted{false};
std::mutex g_interruptMutex;
int g_interruptScopes = 0;

constexpr const char* kNoConnectionChosen =
    "no printer connection given and none stored; choose one with --tcp HOST[:PORT], --serial PORT, "
    "--bluetooth PORT or --usb PATH (`pelmora ports` lists what this machine has), or store one with pelmora_pc";

link::CommSettings FromTcpOption(const std::string& text) {
    const context::TcpAddress address = context::ParsePrinterAddress(text, link::kPrinterTcpPort);
    if (address.problem == context::TcpAddress::BadPort)
        throw UsageError{"--tcp: the port must be a number from 1 to 65535, not '" + text.substr(text.rfind(':') + 1) +
                         "'"};
    if (address.problem == context::TcpAddress::BadAddress)
        throw UsageError{"--tcp: '" + address.host + "' is no host name, IPv4 or IPv6 address (HOST, HOST:PORT, [IPV6]:PORT)"};
    link::CommSettings s;
    s.portType = link::PortTcp;
    s.port = link::NetPort(address.host);
    s.baudRate = address.port;
    return s;
}

// Names of the stored connection values that could not be read; damaged lines
// elsewhere in the store do not matter here.
std::string UnreadableNames(const std::vector<std::string>& unreadable) {
    std::string joined;
    for (const std::string& name : unreadable)
        if (name != "(file)") joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

link::CommSettings FromSerialOption(const ConnectionOptions& o, const PrinterAddress& printer, std::int32_t type) {
    link::CommSettings s;
    s.portType = type;
    s.port = printer.value;
    if (!link::IsListedBaudRate(o.baud))
        throw UsageError{"--baud must be one of " + JoinNumbers(link::kBaudRates, ", ")};
    // A printers file may give each printer its own speed.
    s.baudRate = printer.baud ? static_cast<std::int32_t>(printer.baud) : o.baud;
    s.dataBits = 8;
    if (o.parity == "none") s.parity = 0;
    else if (o.parity == "odd") s.parity = 1;
    else if (o.parity == "even") s.parity = 2;
    else throw UsageError{"--parity must be none, odd or even"};
    if (o.stopBits == 1) s.stopBits = 0;
    else if (o.stopBits == 2) s.stopBits = 2;
    else throw UsageError{"--stop-bits must be 1 or 2"};
    if (o.flow == "none") s.flowControl = 0;
    else if (o.flow == "dtr-dsr") s.flowControl = 1;
    else throw UsageError{"--flow must be none or dtr-dsr"};
    return s;
}

}  // namespace

CliContext::CliContext(std::ostream& o, std::ostream& e) : out(o), err(e) {}

CliContext::CliContext(CliContext& parent, std::ostream& o, std::ostream& e)
    : connection(parent.connection), trace(parent.trace), showSecrets(parent.showSecrets), out(o), err(e),
      store_(std::make_unique<context::SettingsStore>(parent.store())),
      platformOverride_(&parent.platform()) {}
CliContext::~CliContext() = default;

context::SettingsStore& CliContext::store() {
    if (!store_) store_ = std::make_unique<context::SettingsStore>(context::SettingsStore::OpenDefault());
    return *store_;
}

link::Platform& CliContext::platform() {
    return recorded_ ? *recorded_ : BasePlatform();
}

link::Platform& CliContext::BasePlatform() {
    if (platformOverride_) return *platformOverride_;
    if (!platform_)
        platform_ = context::StartSystemPlatform([this]() -> const context::SettingsStore& { return store(); }, trace);
    return *platform_;
}

link::CommSettings CliContext::Settings() {
    if (const auto& printer = connection.printer) {
        if (printer->value.empty()) throw UsageError{"the port name is empty"};
        switch (printer->kind) {
        case PrinterAddress::Kind::Tcp: return FromTcpOption(printer->value);
        case PrinterAddress::Kind::Serial: return FromSerialOption(connection, *printer, link::PortSerial);
        case PrinterAddress::Kind::Bluetooth:
            return FromSerialOption(connection, *printer, link::PortBluetooth);
        case PrinterAddress::Kind::Usb: {
            link::CommSettings s;
            s.portType = link::PortUsb;
            s.port = printer->value;
            return s;
        }
        }
    }
    // Falling back to COM1 would write to a port the operator never chose.
    if (const std::string problem = store().ReadProblem(); !problem.empty())
        throw UsageError{problem + "; give a connection option"};
    context::StoredComm stored = context::ReadCommSettings(store(), context::Layout::Desktop);
    if (const std::string names = UnreadableNames(stored.unreadable); !names.empty())
        throw UsageError{"the stored connection in " + store().Where() + " could not be read (" + names +
                         "); give a connection option"};
    // The windows' default of COM1 would make a newcomer's first command wait
    // on a port nobody chose, and then blame the printer.
    if (!stored.chosen) throw UsageError{kNoConnectionChosen};
    return std::move(stored.settings);
}

std::unique_ptr<context::PrinterContext> CliContext::MakePrinterContext() {
    const link::CommSettings settings = Settings();
    auto util = std::make_unique<context::PrinterContext>(platform());
    util->HandOver(settings);
    return util;
}

context::ProgressView& CliContext::progress() {
    if (!progress_)
        progress_ = std::make_unique<TerminalProgress>(err, !oneOfSeveral && ::isatty(STDERR_FILENO) == 1);
    return *progress_;
}

context::JobEnd CliContext::Drive(context::JobRunner& runner) {
    const InterruptScope interruptible;
    const auto end = context::DriveJob(runner, platform().clock(), [] { return g_interrupted.load(); });
    EndProgress();
    return end;
}

InterruptScope::InterruptScope() {
    const std::lock_guard<std::mutex> lock(g_interruptMutex);
    if (g_interruptScopes++ > 0) return;
    g_interrupted = false;
    context::CatchStopSignals(g_interrupted, true);
}

InterruptScope::~InterruptScope() {
    const std::lock_guard<std::mutex> lock(g_interruptMutex);
    if (--g_interruptScopes > 0) return;
    context::RestoreStopSignals();
}

bool Interrupted() { return g_interrupted; }

void CliContext::EndProgress() {
    if (auto* bar = dynamic_cast<TerminalProgress*>(progress_.get())) bar->Finish();
}

std::string JoinNumbers(std::span<const std::uint32_t> numbers, const char* separator) {
    std::string text;
    for (std::uint32_t n : numbers) text += (text.empty() ? "" : separator) + std::to_string(n);
    return text;
}
std::string RefuseEmpty(const std::string& value) { return value.empty() ? "the value is empty" : ""; }

void PrintMessage(std::ostream& stream, const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line.push_back(text[i]);
    }
    stream << line;
    if (line.empty() || line.back() != '\n') stream << '\n';
}

}  // namespace pelmora::cli
