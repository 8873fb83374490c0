#include "desktop/FindPrintersSearch.h"

#include "context/ScanTargets.h"
#include "link/ConnectProbe.h"

namespace pelmora::desktop {

FindPrintersSearch::FindPrintersSearch(link::Platform& platform, LocalPortSource ports, Reports reports)
    : platform_(platform), ports_(std::move(ports)), reports_(std::move(reports)) {}

FindPrintersSearch::~FindPrintersSearch() {
    Stop();
    local_.Join();
    tcp_.Join();
}

void FindPrintersSearch::StartLocal() {
    if (localRunning_) return;
    localRunning_ = true;
    stopLocal_ = false;
    local_.Run([this] {
        const std::vector<context::LocalCandidate> candidates = ports_ ? ports_() : std::vector<context::LocalCandidate>{};
        queue_.Post([this, candidates] { reports_.localListed(candidates); });
        context::LocalDiscoveryResult result;
        if (!candidates.empty())
            result = context::DiscoverLocal(
                platform_, candidates, {}, [this] { return stopLocal_.load(); },
                [this](const context::LocalDiscoveryProgress& p) { queue_.Post([this, p] { reports_.localProgress(p); }); });
        queue_.Post([this, result] {
            localRunning_ = false;
            reports_.localDone(result);
        });
    });
}

void FindPrintersSearch::StartTcp(std::vector<std::string> targets, std::uint16_t port) {
    if (tcpRunning_) return;
    tcpRunning_ = true;
    stopTcp_ = false;
    tcp_.Run([this, targets = std::move(targets), port] {
        // Host names are looked up here, off the UI thread.
        const context::ScanTargets parsed = context::ParseScanTargets(targets, port, false, link::LookUpHost);
        if (!parsed.error.empty()) {
            queue_.Post([this, error = parsed.error] {
                tcpRunning_ = false;
                reports_.tcpRefused(error);
            });
            return;
        }
        const context::TcpDiscoveryResult result = context::DiscoverOnTcp(
            platform_, parsed, {}, [this] { return stopTcp_.load(); },
            [this](const context::TcpDiscoveryProgress& p) { queue_.Post([this, p] { reports_.tcpProgress(p); }); });
        queue_.Post([this, result, total = parsed.total] {
            tcpRunning_ = false;
            reports_.tcpDone(result, total);
        });
    });
}

void FindPrintersSearch::Stop() {
    stopLocal_ = true;
    stopTcp_ = true;
}

}  // namespace pelmora::desktop
