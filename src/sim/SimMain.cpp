// pelmora-sim: the virtual printer on a TCP port, for trying the tools and for
// end-to-end tests without hardware.
#include <atomic>
#include <cstdio>
#include <iostream>
#include <map>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "context/Signals.h"
#include "context/TcpAddress.h"
#include "link/CommSettings.h"
#include "link/LocalFile.h"
#include "sim/NvHandler.h"
#include "sim/PrinterModel.h"
#include "sim/ReplayServer.h"
#include "sim/SimFleet.h"
#include "sim/SimServer.h"
#include "sim/TcpListener.h"

namespace {

std::atomic<bool> g_stop{false};

// A state holds a few settings and the NV images; far more is not one.
constexpr std::size_t kMaxStateBytes = 64u << 20;

void StopOnSignals() {
    pelmora::context::CatchStopSignals(g_stop, false);
    pelmora::context::PrepareStandardStreams();
}

constexpr const char* kFaultKinds =
    "silent, wrong-header, cut-short, unterminated, split, late, doubled or out-of-turn";

bool ParseFault(const std::string& text, std::string& key, pelmora::sim::Fault& fault) {
    static const std::map<std::string, pelmora::sim::Fault> kinds{
        {"silent", pelmora::sim::Fault::Silent},         {"wrong-header", pelmora::sim::Fault::WrongHeader},
        {"cut-short", pelmora::sim::Fault::CutShort},    {"unterminated", pelmora::sim::Fault::Unterminated},
        {"split", pelmora::sim::Fault::Split},           {"late", pelmora::sim::Fault::Late},
        {"doubled", pelmora::sim::Fault::Doubled},       {"out-of-turn", pelmora::sim::Fault::OutOfTurn},
    };
    const auto eq = text.find('=');
    if (eq == std::string::npos) return false;
    const auto kind = kinds.find(text.substr(eq + 1));
    if (kind == kinds.end()) return false;
    key = text.substr(0, eq);
    fault = kind->second;
    return true;
}

using namespace pelmora::sim;

/// Everything the command line sets.
struct SimArgs {
    std::string listen = "127.0.0.1:" + std::to_string(pelmora::link::kPrinterTcpPort);
    std::string stateFile, firmwareFile, msrMode, nvDir;
    std::vector<std::string> faults;
    PrinterModel printer;
    SimServerOptions options;
    int silentFrom = -1;
    bool pty = false;
    ReplayOptions replay;
    int count = 1;
    /// The identity options given, which win over a stored state.
    bool model = false, maker = false, versionText = false, codePage = false;
};

void AddOptions(CLI::App& app, SimArgs& a) {
    app.set_version_flag("--version", std::string("pelmora-sim ") + PELMORA_VERSION + "\nLicense: " PELMORA_LICENSE);
    app.add_option("--listen", a.listen, "ADDR:PORT to listen on (port 0 picks a free one)")->capture_default_str();
    app.add_option("--state", a.stateFile, "Keep the printer's state in this JSON file");
    app.add_option("--firmware-out", a.firmwareFile, "Write a received firmware stream to this file");
    app.add_option("--nv-dir", a.nvDir, "After each connection, write the NV images held as PNG files here");
    Identity& id = a.printer.identity;
    app.add_option("--model", id.modelText, "Model text")->capture_default_str();
    app.add_option("--maker", id.makerText, "Maker text")->capture_default_str();
    app.add_option("--version-text", id.versionText, "Version text, ending in the firmware date MMDDYY")
        ->capture_default_str();
    app.add_option("--code-page", id.codePageText, "Code-page text")->capture_default_str();
    app.add_option("--msr-mode", a.msrMode, "MSR mode character (one character, or 0xNN)");
    SimServerOptions& o = a.options;
    app.add_option("--latency", o.latencyMs, "Milliseconds before each reply")->capture_default_str();
    app.add_option("--idle-timeout", o.idleTimeoutMs,
                   "Drop a client silent this many milliseconds, so others get their turn (0: never)")
        ->capture_default_str();
    app.add_option("--fault", a.faults,
                   std::string("KEY=KIND: the replies to KEY go wrong; KIND is ") + kFaultKinds +
                       ", KEY model, version, maker, codepage, msr, ..., or * for all");
    app.add_option("--restart-ms", o.restartMs,
                   "After a firmware stream: refuse connections this long, then come back with factory settings")
        ->capture_default_str();
    app.add_option("--next-version", o.nextVersion,
                   "Version text to come back with after a firmware stream (default: unchanged)");
    app.add_option("--silent-from", a.silentFrom, "No replies from this (0-based) command of a connection on");
    app.add_flag("--pty", a.pty, "Serve on a new pseudo-terminal instead of TCP; the first line names it");
    app.add_option("--hangup-after", o.hangupAfter,
                   "With --pty: close the line after this many commands of a session, as a pulled cable does");
    app.add_option("--modem-lines", o.modemLines,
                   "With --pty: the file that stands for the line's DTR, RTS, DSR and CTS");
    app.add_flag("--garbage", o.garbage, "Be no printer: answer every command with text no printer sends");
    app.add_flag("--dsr-low", o.dsrLow, "With --pty: hold DSR low, as a printer switched off does");
    app.add_option("--baud", o.baud, "With --pty: answer only a client at this line speed, as a real serial printer does")
        ->check(CLI::IsMember(std::vector<std::uint32_t>(pelmora::link::kBaudRates.begin(), pelmora::link::kBaudRates.end())));
    app.add_option("--replay", a.replay.transcript,
                   "Play the printer's side of a pelmora --transcript file instead of the model, then stop");
    app.add_option("--link", a.replay.link, "With --replay: the link of the transcript to play (when it holds several)");
    app.add_option("--count", a.count, "Serve this many independent printers, on consecutive ports (at most 1000)")
        ->excludes("--replay");
}

void NoteGivenIdentity(const CLI::App& app, SimArgs& a) {
    a.model = app.count("--model") > 0;
    a.maker = app.count("--maker") > 0;
    a.versionText = app.count("--version-text") > 0;
    a.codePage = app.count("--code-page") > 0;
}

/// "" when --listen names a dotted IPv4 address and a port 0..65535.
std::string TakeListen(SimArgs& a) {
    const auto address = pelmora::context::ParseTcpAddress(a.listen, 0);
    if (address.problem != pelmora::context::TcpAddress::None)
        return "--listen wants ADDR:PORT, a dotted IPv4 address and a port 0..65535, not '" + a.listen + "'";
    a.options.host = address.host;
    a.options.port = address.port;
    return {};
}

// Written later by rename or truncation: a device or a FIFO there would be replaced or block.
std::string OutputsProblem(const SimArgs& a) {
    for (const std::string* output : {&a.stateFile, &a.firmwareFile}) {
        if (output->empty() || (output == &a.stateFile && a.count > 1)) continue;  // a folder then
        if (const std::string problem = pelmora::link::OutputProblem(*output); !problem.empty())
            return "cannot write " + *output + ": " + problem;
    }
    return {};
}

std::string TakeMsrMode(SimArgs& a) {
    if (a.msrMode.empty()) return {};
    if (a.msrMode.size() == 1) {
        a.printer.identity.msrMode = static_cast<std::uint8_t>(a.msrMode[0]);
        return {};
    }
    try {
        a.printer.identity.msrMode = static_cast<std::uint8_t>(std::stoul(a.msrMode, nullptr, 0) & 0xFF);
    } catch (const std::exception&) {
        return "--msr-mode wants one character or 0xNN";
    }
    return {};
}

std::string TakeFaults(SimArgs& a) {
    for (const auto& text : a.faults) {
        std::string key;
        Fault fault;
        if (!ParseFault(text, key, fault))
            return std::string("--fault wants KEY=KIND, KIND ") + kFaultKinds + ", not '" + text + "'";
        a.printer.faults.perCommand[key] = fault;
    }
    a.printer.faults.silentFromCommand = a.silentFrom;
    return {};
}

/// Reads a stored state into `model` (none yet is fine); options given win over it.
bool LoadState(const SimArgs& a, PrinterModel& model, const std::string& file, std::string& error) {
    std::string text, why;
    const pelmora::link::FileRead read = pelmora::link::ReadLocalFile(file, kMaxStateBytes, text, &why);
    if (read == pelmora::link::FileRead::Failed) {
        error = "state file " + file + " is unreadable: " + why;
        return false;
    }
    if (read != pelmora::link::FileRead::Ok) return true;
    try {
        model.LoadState(nlohmann::json::parse(text));
    } catch (const std::exception& e) {
        error = "state file " + file + " is unreadable: " + e.what();
        return false;
    }
    const Identity& given = a.printer.identity;
    if (a.model) model.identity.modelText = given.modelText;
    if (a.maker) model.identity.makerText = given.makerText;
    if (a.versionText) model.identity.versionText = given.versionText;
    if (a.codePage) model.identity.codePageText = given.codePageText;
    if (!a.msrMode.empty()) model.identity.msrMode = given.msrMode;
    return true;
}

int Fail(const std::string& message, int status) {
    std::cerr << message << '\n';
    return status;
}

int RunReplayOf(SimArgs& a) {
    a.replay.host = a.options.host;
    a.replay.port = a.options.port;
    StopOnSignals();
    return RunReplay(a.replay, g_stop, std::cout, std::cerr);
}

int RunFleet(const SimArgs& a) {
    if (!a.firmwareFile.empty() || !a.nvDir.empty())
        return Fail("--firmware-out and --nv-dir serve one printer, not --count", 2);
    const auto prepare = [&a](PrinterModel& model, int index, std::string& error) {
        model.identity = a.printer.identity;
        model.faults = a.printer.faults;
        return a.stateFile.empty() || LoadState(a, model, FleetStateFile(a.stateFile, index), error);
    };
    StopOnSignals();
    return RunSimFleet(a.count, a.options, a.stateFile, prepare, g_stop, std::cout, std::cerr);
}

int Serve(SimServer& server, bool pty) {
    std::string error;
    if (pty) {
        if (!server.OpenPty(error)) return Fail(error, 1);
        StopOnSignals();
        std::cout << server.ptyPath() << std::endl;
        server.RunPty(g_stop);
        return server.writeError().empty() ? 0 : 1;
    }
    if (!server.Listen(error)) return Fail(error, 1);
    StopOnSignals();
    std::cout << "listening on " << server.boundAddress() << std::endl;
    if (!server.Run(g_stop, error)) return Fail("after the restart: " + error, 1);
    return server.writeError().empty() ? 0 : 1;
}

int RunOnePrinter(SimArgs& a) {
    if (!a.stateFile.empty()) {
        a.options.stateFile = a.stateFile;
        std::string error;
        if (!LoadState(a, a.printer, a.stateFile, error)) return Fail(error, 2);
    }
    if (!a.firmwareFile.empty()) a.options.firmwareFile = a.firmwareFile;
    SimServer server(a.printer, a.options);
    if (!a.nvDir.empty()) {
        server.afterSession = [nvDir = a.nvDir](PrinterModel& model) {
            std::string error;
            if (!model.Handler<NvHandler>()->WritePngs(nvDir, error)) std::cerr << error << '\n';
        };
    }
    return Serve(server, a.pty);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Virtual MPT-Q700VII printer on a TCP port"};
    SimArgs a;
    AddOptions(app, a);
    CLI11_PARSE(app, argc, argv);
    NoteGivenIdentity(app, a);

    std::string problem = TakeListen(a);
    if (problem.empty()) problem = OutputsProblem(a);
    if (!problem.empty()) return Fail(problem, 2);
    if (!a.replay.transcript.empty()) return RunReplayOf(a);
    problem = TakeMsrMode(a);
    if (problem.empty()) problem = TakeFaults(a);
    if (!problem.empty()) return Fail(problem, 2);
    if (a.count < 1 || a.count > kMaxFleetPrinters)
        return Fail("--count wants 1 to " + std::to_string(kMaxFleetPrinters) + " printers", 2);
    return a.count > 1 ? RunFleet(a) : RunOnePrinter(a);
}
