// pelmora-sim: the virtual printer on a TCP port, for trying the tools and for
// end-to-end tests without hardware.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <map>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

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

void OnSignal(int) { g_stop = true; }

void StopOnSignals() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool ParseFault(const std::string& text, std::string& key, pelmora::sim::Fault& fault) {
    static const std::map<std::string, pelmora::sim::Fault> kinds{
        {"silent", pelmora::sim::Fault::Silent},         {"wrong-header", pelmora::sim::Fault::WrongHeader},
        {"cut-short", pelmora::sim::Fault::CutShort},    {"unterminated", pelmora::sim::Fault::Unterminated},
        {"split", pelmora::sim::Fault::Split},
    };
    const auto eq = text.find('=');
    if (eq == std::string::npos) return false;
    const auto kind = kinds.find(text.substr(eq + 1));
    if (kind == kinds.end()) return false;
    key = text.substr(0, eq);
    fault = kind->second;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pelmora::sim;
    CLI::App app{"Virtual MPT-Q700VII printer on a TCP port"};
    app.set_version_flag("--version", std::string("pelmora-sim ") + PELMORA_VERSION + "\nLicense: " PELMORA_LICENSE);
    std::string listen = "127.0.0.1:9100";
    std::string stateFile, firmwareFile, msrMode, nvDir;
    std::vector<std::string> faults;
    PrinterModel printer;
    SimServerOptions options;
    int silentFrom = -1;
    app.add_option("--listen", listen, "ADDR:PORT to listen on (port 0 picks a free one)")->capture_default_str();
    app.add_option("--state", stateFile, "Keep the printer's state in this JSON file");
    app.add_option("--firmware-out", firmwareFile, "Write a received firmware stream to this file");
    app.add_option("--nv-dir", nvDir, "After each connection, write the NV images held as PNG files here");
    app.add_option("--model", printer.identity.modelText, "Model text")->capture_default_str();
    app.add_option("--maker", printer.identity.makerText, "Maker text")->capture_default_str();
    app.add_option("--version-text", printer.identity.versionText, "Version text, ending in the firmware date MMDDYY")
        ->capture_default_str();
    app.add_option("--code-page", printer.identity.codePageText, "Code-page text")->capture_default_str();
    app.add_option("--msr-mode", msrMode, "MSR mode character (one character, or 0xNN)");
    app.add_option("--latency", options.latencyMs, "Milliseconds before each reply")->capture_default_str();
    app.add_option("--idle-timeout", options.idleTimeoutMs,
                   "Drop a client silent this many milliseconds, so others get their turn (0: never)")
        ->capture_default_str();
    app.add_option("--fault", faults, "KEY=silent|wrong-header|cut-short|unterminated|split (KEY: model, version, maker, codepage, msr, ...)");
    app.add_option("--restart-ms", options.restartMs,
                   "After a firmware stream: refuse connections this long, then come back with factory settings")
        ->capture_default_str();
    app.add_option("--next-version", options.nextVersion,
                   "Version text to come back with after a firmware stream (default: unchanged)");
    app.add_option("--silent-from", silentFrom, "No replies from this (0-based) command of a connection on");
    bool pty = false;
    app.add_flag("--pty", pty, "Serve on a new pseudo-terminal instead of TCP; the first line names it");
    app.add_option("--hangup-after", options.hangupAfter,
                   "With --pty: close the line after this many commands of a session, as a pulled cable does");
    app.add_option("--modem-lines", options.modemLines,
                   "With --pty: the file that stands for the line's DTR, RTS, DSR and CTS");
    app.add_flag("--dsr-low", options.dsrLow, "With --pty: hold DSR low, as a printer switched off does");
    ReplayOptions replay;
    app.add_option("--replay", replay.transcript,
                   "Play the printer's side of a pelmora --transcript file instead of the model, then stop");
    app.add_option("--link", replay.link, "With --replay: the link of the transcript to play (when it holds several)");
    int count = 1;
    app.add_option("--count", count, "Serve this many independent printers, on consecutive ports (at most 1000)")
        ->excludes("--replay");
    CLI11_PARSE(app, argc, argv);

    if (!ParseListenAddress(listen, options.host, options.port)) {
        std::cerr << "--listen wants ADDR:PORT, a dotted IPv4 address and a port 0..65535, not '" << listen << "'\n";
        return 2;
    }

    // Written later by rename or truncation: a device or a FIFO there would be replaced or block.
    for (const std::string* output : {&stateFile, &firmwareFile}) {
        if (output->empty() || (output == &stateFile && count > 1)) continue;  // a folder then
        if (const std::string problem = pelmora::link::OutputProblem(*output); !problem.empty()) {
            std::cerr << "cannot write " << *output << ": " << problem << '\n';
            return 2;
        }
    }

    if (!replay.transcript.empty()) {
        replay.host = options.host;
        replay.port = options.port;
        StopOnSignals();
        return RunReplay(replay, g_stop, std::cout, std::cerr);
    }

    if (!msrMode.empty()) {
        if (msrMode.size() == 1) printer.identity.msrMode = static_cast<std::uint8_t>(msrMode[0]);
        else {
            try {
                printer.identity.msrMode = static_cast<std::uint8_t>(std::stoul(msrMode, nullptr, 0) & 0xFF);
            } catch (const std::exception&) {
                std::cerr << "--msr-mode wants one character or 0xNN\n";
                return 2;
            }
        }
    }
    for (const auto& text : faults) {
        std::string key;
        Fault fault;
        if (!ParseFault(text, key, fault)) {
            std::cerr << "--fault wants KEY=silent|wrong-header|cut-short|unterminated|split, not '" << text << "'\n";
            return 2;
        }
        printer.faults.perCommand[key] = fault;
    }
    printer.faults.silentFromCommand = silentFrom;

    // Options given on the command line win over a stored state.
    const Identity fromOptions = printer.identity;
    auto loadState = [&](PrinterModel& model, const std::string& file, std::string& error) {
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
        if (app.count("--model")) model.identity.modelText = fromOptions.modelText;
        if (app.count("--maker")) model.identity.makerText = fromOptions.makerText;
        if (app.count("--version-text")) model.identity.versionText = fromOptions.versionText;
        if (app.count("--code-page")) model.identity.codePageText = fromOptions.codePageText;
        if (!msrMode.empty()) model.identity.msrMode = fromOptions.msrMode;
        return true;
    };
    if (count < 1 || count > kMaxFleetPrinters) {
        std::cerr << "--count wants 1 to " << kMaxFleetPrinters << " printers\n";
        return 2;
    }
    if (count > 1) {
        if (!firmwareFile.empty() || !nvDir.empty()) {
            std::cerr << "--firmware-out and --nv-dir serve one printer, not --count\n";
            return 2;
        }
        const auto prepare = [&](PrinterModel& model, int index, std::string& error) {
            model.identity = printer.identity;
            model.faults = printer.faults;
            return stateFile.empty() || loadState(model, FleetStateFile(stateFile, index), error);
        };
        StopOnSignals();
        return RunSimFleet(count, options, stateFile, prepare, g_stop, std::cout, std::cerr);
    }
    if (!stateFile.empty()) {
        options.stateFile = stateFile;
        std::string error;
        if (!loadState(printer, stateFile, error)) {
            std::cerr << error << '\n';
            return 2;
        }
    }
    if (!firmwareFile.empty()) options.firmwareFile = firmwareFile;

    SimServer server(printer, options);
    if (!nvDir.empty()) {
        server.afterSession = [nvDir](PrinterModel& model) {
            std::string error;
            if (!model.Handler<NvHandler>()->WritePngs(nvDir, error)) std::cerr << error << '\n';
        };
    }
    std::string error;
    if (pty) {
        if (!server.OpenPty(error)) {
            std::cerr << error << '\n';
            return 1;
        }
        StopOnSignals();
        std::cout << server.ptyPath() << std::endl;
        server.RunPty(g_stop);
        return 0;
    }
    if (!server.Listen(error)) {
        std::cerr << error << '\n';
        return 1;
    }
    StopOnSignals();

    std::cout << "listening on " << server.boundAddress() << std::endl;
    if (!server.Run(g_stop, error)) {
        std::cerr << "after the restart: " << error << '\n';
        return 1;
    }
    return 0;
}
