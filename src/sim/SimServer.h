#pragma once
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "link/CommSettings.h"
#include "sim/PrinterModel.h"
#include "sim/PtyPort.h"
#include "sim/TcpListener.h"

namespace pelmora::sim {

struct SimServerOptions {
    std::string host = "127.0.0.1";
    std::uint16_t port = link::kPrinterTcpPort;  ///< 0 for a free one
    std::uint32_t latencyMs = 1;
    /// A client that sends nothing for this long is dropped, so that it does
    /// not keep the others waiting; 0 never drops one.
    std::uint32_t idleTimeoutMs = 5000;
    std::optional<std::filesystem::path> stateFile;     ///< saved after every connection
    std::optional<std::filesystem::path> firmwareFile;  ///< the last firmware stream received
    /// After a firmware stream the printer restarts: it refuses connections
    /// this long, then answers with `nextVersion` (when not empty) and its
    /// factory settings.
    std::uint32_t restartMs = 2000;
    std::string nextVersion;
    /// On a pseudo-terminal: close the line after this many commands of a
    /// session (the serial probe counts), as a pulled cable does; -1 never.
    int hangupAfter = -1;
    /// On a pseudo-terminal: the file standing for the modem lines (see ModemLines.h).
    std::string modemLines;
    /// The printer holds DSR low, as one switched off does.
    bool dsrLow = false;
    /// On a pseudo-terminal: the one line speed the printer understands; a
    /// client at another speed gets line noise back. 0 takes any speed.
    std::uint32_t baud = 0;
    /// Not a printer at all: every command is answered with text no printer sends.
    bool garbage = false;
};

/// The virtual printer on a TCP port: one client at a time, as a printer's raw
/// port serves them.
class SimServer {
public:
    SimServer(PrinterModel& printer, SimServerOptions options);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    /// Binds and listens; false with `error` set when that fails.
    bool Listen(std::string& error);
    /// "ADDR:PORT" actually bound.
    std::string boundAddress() const;
    /// Serves clients until `stop` becomes true. False with `error` set when
    /// the port could not be taken again after a restart.
    bool Run(const std::atomic<bool>& stop, std::string& error);
    /// Serves on a new pseudo-terminal instead; false with `error` set when none can be had.
    bool OpenPty(std::string& error);
    const std::string& ptyPath() const { return pty_.slavePath(); }
    /// Serves whoever opens the pseudo-terminal until `stop` becomes true or
    /// the line is hung up.
    void RunPty(const std::atomic<bool>& stop);
    /// Empty while every state and firmware file was written; else the first
    /// failure (the old file was kept). Each failure is said on stderr too.
    const std::string& writeError() const { return writeError_; }
    /// Called after each connection with what the printer holds (for --nv-dir and the like).
    std::function<void(PrinterModel&)> afterSession;

private:
    /// True when the connection carried a firmware stream.
    bool Serve(int client, const std::atomic<bool>& stop);
    std::size_t BeginServe();
    /// Feeds bytes to the printer and writes its replies; false when the client is gone.
    bool Answer(int fd, const std::uint8_t* data, std::size_t count);
    /// True when the session carried a firmware stream.
    bool EndServe(std::size_t streamsBefore);
    bool Restart(const std::atomic<bool>& stop, std::string& error);
    void ComeBack(const std::atomic<bool>& stop);
    void SetDsr(bool on) const;
    void SaveState();
    void WriteOut(const std::filesystem::path& file, std::string_view bytes);

    PrinterModel& printer_;
    SimServerOptions options_;
    TcpListener listener_;
    PtyPort pty_;
    std::string writeError_;
};

}  // namespace pelmora::sim
