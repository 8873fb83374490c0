#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "context/LocalDiscovery.h"
#include "context/TcpDiscovery.h"
#include "link/Platform.h"
#include "ui/UiThreadQueue.h"
#include "ui/WorkerThread.h"

namespace pelmora::desktop {

/// This machine's ports that may hold a printer; called off the UI thread.
using LocalPortSource = std::function<std::vector<context::LocalCandidate>()>;

/// The two searches of the Find Printers window, this machine's ports and the
/// network, each on a worker thread of its own. Reports arrive on the thread
/// that made this object (the UI thread); a search reports done last.
class FindPrintersSearch {
public:
    struct Reports {
        std::function<void(const std::vector<context::LocalCandidate>&)> localListed;
        std::function<void(const context::LocalDiscoveryProgress&)> localProgress;
        std::function<void(const context::LocalDiscoveryResult&)> localDone;
        std::function<void(const context::TcpDiscoveryProgress&)> tcpProgress;
        /// With the count of addresses the targets hold.
        std::function<void(const context::TcpDiscoveryResult&, std::uint64_t total)> tcpDone;
        /// The targets could not be read (the command's text); nothing was sent.
        std::function<void(const std::string& error)> tcpRefused;
    };

    FindPrintersSearch(link::Platform& platform, LocalPortSource ports, Reports reports);
    /// Stops both searches and waits for them.
    ~FindPrintersSearch();
    FindPrintersSearch(const FindPrintersSearch&) = delete;
    FindPrintersSearch& operator=(const FindPrintersSearch&) = delete;

    /// Lists the ports, then asks each.
    void StartLocal();
    /// Reads `targets` as `pelmora discover` does, then searches them; refused
    /// while a network search runs.
    void StartTcp(std::vector<std::string> targets, std::uint16_t port);
    /// Ends every connect and exchange under way; each search then reports done.
    void Stop();

    bool LocalRunning() const { return localRunning_; }
    bool TcpRunning() const { return tcpRunning_; }

private:
    link::Platform& platform_;
    LocalPortSource ports_;
    Reports reports_;
    bool localRunning_ = false, tcpRunning_ = false;
    std::atomic<bool> stopLocal_{false}, stopTcp_{false};
    // Declared so that the workers are joined before the queue goes.
    ui::UiThreadQueue queue_;
    ui::WorkerThread local_, tcp_;
};

}  // namespace pelmora::desktop
