#include "sim/SimServer.h"

#include "sim/ConfigHandler.h"

#include <chrono>
#include <iostream>

#include <nlohmann/json.hpp>

#include "link/AtomicFile.h"
#include "link/Clock.h"

namespace pelmora::sim {

namespace {

constexpr int kPollMs = 100;  // how quickly a stop request is noticed
// A printer taking firmware restarts once the stream has ended, whether or not
// the sender closes its side.
constexpr auto kFirmwareEndedAfter = std::chrono::milliseconds(500);

// The link's clock: a reply told to come 1 ms after the request comes then,
// not a timer slack and a wake-up later.
void SleepMs(std::uint32_t ms) {
    if (!ms) return;
    thread_local link::SystemClock clock;
    clock.Mark();  // from now, however recently the last pause ended
    clock.Sleep(ms);
}

}  // namespace

SimServer::SimServer(PrinterModel& printer, SimServerOptions options)
    : printer_(printer), options_(std::move(options)) {}

SimServer::~SimServer() = default;

bool SimServer::Listen(std::string& error) { return listener_.Listen(options_.host, options_.port, error); }

std::string SimServer::boundAddress() const { return listener_.boundAddress(); }

bool SimServer::Run(const std::atomic<bool>& stop, std::string& error) {
    for (int client; (client = listener_.Accept(stop)) >= 0;) {
        const bool updated = Serve(client, stop);
        CloseClient(client);
        if (updated && !Restart(stop, error)) return false;
    }
    return true;
}

bool SimServer::Restart(const std::atomic<bool>& stop, std::string& error) {
    const std::string host = options_.host;
    const std::uint16_t port = listener_.port();
    listener_.Close();
    ComeBack(stop);
    return listener_.Listen(host, port, error);
}

void SimServer::ComeBack(const std::atomic<bool>& stop) {
    const auto back = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.restartMs);
    while (!stop && std::chrono::steady_clock::now() < back) SleepMs(10);
    printer_.Restart(options_.nextVersion);
    SaveState();
}

bool SimServer::Serve(int client, const std::atomic<bool>& stop) {
    const std::size_t streamsBefore = BeginServe();
    std::uint8_t buffer[4096];
    using Clock = std::chrono::steady_clock;
    auto lastHeard = Clock::now();
    while (!stop) {
        const int ready = WaitForBytes(client, kPollMs);
        if (ready < 0) break;
        if (ready == 0) {
            if (printer_.receivingFirmware() && Clock::now() - lastHeard >= kFirmwareEndedAfter) break;
            if (options_.idleTimeoutMs &&
                Clock::now() - lastHeard >= std::chrono::milliseconds(options_.idleTimeoutMs))
                break;
            continue;
        }
        const long count = ReceiveBytes(client, buffer, sizeof buffer);
        if (count <= 0) break;
        lastHeard = Clock::now();
        if (!Answer(client, buffer, static_cast<std::size_t>(count))) break;
    }
    return EndServe(streamsBefore);
}

std::size_t SimServer::BeginServe() {
    const std::size_t streams = printer_.firmwareStreams().size();
    printer_.BeginSession();
    return streams;
}

bool SimServer::Answer(int fd, const std::uint8_t* data, std::size_t count) {
    if (options_.garbage) {
        // What a web server says to bytes that are not HTTP, terminator and all.
        static constexpr char kNotAPrinter[] = "HTTP/1.0 400 Bad Request\r\n\r\n";
        SleepMs(options_.latencyMs);
        return SendAll(fd, reinterpret_cast<const std::uint8_t*>(kNotAPrinter), sizeof kNotAPrinter);
    }
    const auto replies = printer_.Receive(std::span<const std::uint8_t>(data, count));
    for (const Reply& reply : replies) {
        SleepMs(options_.latencyMs + reply.delayMs);
        const std::size_t first = reply.splitAt ? reply.splitAt : reply.bytes.size();
        if (!SendAll(fd, reply.bytes.data(), first)) return false;
        if (first < reply.bytes.size()) {
            SleepMs(reply.splitGapMs);
            if (!SendAll(fd, reply.bytes.data() + first, reply.bytes.size() - first)) return false;
        }
    }
    return true;
}

bool SimServer::EndServe(std::size_t streamsBefore) {
    printer_.EndSession();
    // A real printer stays in setting mode until told otherwise: say so, for
    // whoever watches for clients that drop it there (scripts/soak).
    if (const auto* config = printer_.Handler<ConfigHandler>(); config && config->inSettingMode())
        std::cerr << "the client left the printer in setting mode (no end-of-setting command)" << std::endl;
    const bool updated = printer_.firmwareStreams().size() > streamsBefore;
    if (options_.firmwareFile && updated) {
        const auto& stream = printer_.firmwareStreams().back();
        WriteOut(*options_.firmwareFile,
                 std::string_view(reinterpret_cast<const char*>(stream.data()), stream.size()));
    }
    SaveState();
    if (afterSession) afterSession(printer_);
    // No one reads the logs of a served connection; a long run must not gather them.
    printer_.ClearLogs();
    return updated;
}

void SimServer::SaveState() {
    if (options_.stateFile) WriteOut(*options_.stateFile, printer_.SaveState().dump(2) + '\n');
}

// Whole or not at all: a full disk or a read-only folder keeps the old file,
// and says so, instead of leaving an empty one behind.
void SimServer::WriteOut(const std::filesystem::path& file, std::string_view bytes) {
    const std::string why = link::ReplaceFile(file, bytes);
    if (why.empty()) return;
    const std::string message = "cannot write " + file.string() + ": " + why + " (the old file is kept)";
    std::cerr << message << std::endl;
    if (writeError_.empty()) writeError_ = message;
}

}  // namespace pelmora::sim
