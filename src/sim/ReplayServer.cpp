#include "sim/ReplayServer.h"

#include <cerrno>
#include <chrono>
#include <sstream>
#include <ostream>
#include <system_error>
#include <thread>

#include "link/LocalFile.h"
#include "sim/ReplaySession.h"
#include "sim/TcpListener.h"

namespace pelmora::sim {

namespace {

constexpr int kPollMs = 100;  // how quickly a stop request is noticed

// Waits before a late reply, in slices so that a stop is not held up.
bool Wait(std::uint32_t ms, const std::atomic<bool>& stop) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stop && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            until - std::chrono::steady_clock::now(), std::chrono::milliseconds(kPollMs)));
    return !stop;
}

bool SendDue(int client, const std::vector<ReplaySession::Send>& due, const std::atomic<bool>& stop) {
    for (const auto& send : due)
        if (!Wait(send.delayMs, stop) || !SendAll(client, send.bytes.data(), send.bytes.size())) return false;
    return true;
}

// Plays one connection to its end; the difference, if any, is in `session`.
void Play(int client, ReplaySession& session, const std::atomic<bool>& stop) {
    bool open = SendDue(client, session.Start(), stop);
    std::uint8_t buffer[4096];
    while (open && !stop) {
        const int ready = WaitForBytes(client, kPollMs);
        if (ready < 0) break;
        if (ready == 0) continue;
        const long count = ReceiveBytes(client, buffer, sizeof buffer);
        if (count <= 0) break;
        const auto due = session.Receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(count)));
        if (!session.difference().empty()) return;
        open = SendDue(client, due, stop);
    }
    if (!stop) session.Closed();
}

}  // namespace

// Hours of a busy link, a firmware download included; far more is no transcript.
constexpr std::size_t kMaxTranscriptBytes = 256u << 20;

int RunReplay(const ReplayOptions& options, const std::atomic<bool>& stop, std::ostream& out, std::ostream& err) {
    // Bounded and without blocking: /dev/zero or a FIFO is no transcript.
    std::string text, error;
    if (const auto read = link::ReadLocalFile(options.transcript, kMaxTranscriptBytes, text, &error);
        read != link::FileRead::Ok) {
        if (read == link::FileRead::Missing) error = std::generic_category().message(ENOENT);
        err << "replay: cannot read " << options.transcript << ": " << error << '\n';
        return 2;
    }
    std::istringstream in(std::move(text));
    const auto script = ReadReplayScript(in, options.link, error);
    if (!script) {
        err << "replay: " << options.transcript << ": " << error << '\n';
        return 2;
    }
    TcpListener listener;
    if (!listener.Listen(options.host, options.port, error)) {
        err << error << '\n';
        return 1;
    }
    out << "listening on " << listener.boundAddress() << std::endl;
    if (!script->tool.empty()) err << "replay: recorded by " << script->tool << '\n';

    const std::size_t total = script->connections.size();
    for (std::size_t n = 0; n < total; ++n) {
        const std::string which = "replay: connection " + std::to_string(n + 1) + " of " + std::to_string(total);
        const int client = listener.Accept(stop);
        if (client < 0) break;
        ReplaySession session(script->connections[n]);
        Play(client, session, stop);
        CloseClient(client);
        if (!session.difference().empty()) {
            err << which << ": " << session.difference() << std::endl;
            return 1;
        }
        if (!session.Finished()) break;
        err << which << ": as recorded" << std::endl;
    }
    if (stop) {
        err << "replay: stopped before the recording ended" << std::endl;
        return 1;
    }
    err << "replay: every connection went as recorded" << std::endl;
    return 0;
}

}  // namespace pelmora::sim
