#pragma once
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "sim/PrinterModel.h"
#include "sim/TcpListener.h"

namespace pelmora::sim {

struct SimServerOptions {
    std::string host = "127.0.0.1";
    std::uint16_t port = 9100;  ///< 0 for a free one
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
    /// Called after each connection with what the printer holds (for --nv-dir and the like).
    std::function<void(PrinterModel&)> afterSession;

private:
    /// True when the connection carried a firmware stream.
    bool Serve(int client, const std::atomic<bool>& stop);
    bool Restart(const std::atomic<bool>& stop, std::string& error);
    void SaveState() const;

    PrinterModel& printer_;
    SimServerOptions options_;
    TcpListener listener_;
};

}  // namespace pelmora::sim
