#include "context/TcpDiscovery.h"

#include <algorithm>
#include <mutex>
#include <set>

#include "context/SearchCrew.h"
#include "link/ConnectProbe.h"

namespace pelmora::context {

namespace {

class Scan {
public:
    Scan(link::Platform& platform, const ScanTargets& targets, const TcpDiscoveryOptions& options)
        : platform_(platform), targets_(targets), options_(options),
          crew_(targets.total, options.jobs, options.identifyMs) {
        for (const ScanBlock& block : targets.blocks) ends_.push_back((ends_.empty() ? 0 : ends_.back()) + block.count);
    }

    TcpDiscoveryResult Run(const std::function<bool()>& stopWanted,
                           const std::function<void(const TcpDiscoveryProgress&)>& progress) {
        crew_.Run([this](std::uint64_t order) { Try(order); }, stopWanted, [&] {
            if (progress) progress({std::min(tried_.load(), targets_.total), targets_.total, found_.load()});
        });
        TcpDiscoveryResult result;
        result.tried = std::min(tried_.load(), targets_.total);
        result.stopped = crew_.Stopping() && result.tried < targets_.total;
        result.answers = std::move(answers_);
        std::sort(result.answers.begin(), result.answers.end(),
                  [](const TcpAnswer& a, const TcpAnswer& b) { return a.order < b.order; });
        return result;
    }

private:
    void Try(std::uint64_t order) {
        const std::size_t b = static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), order) - ends_.begin());
        const ScanBlock& block = targets_.blocks[b];
        const std::string address = ScanAddressAt(block, order - (b == 0 ? 0 : ends_[b - 1]));
        const auto probe = link::ProbeTcp(address, block.port, options_.connectMs, crew_.stop());
        if (probe.kind == link::ProbeOutcome::Stopped) return;  // not tried: it had no full chance
        if (probe.kind == link::ProbeOutcome::Accepted && FirstTime(address, block.port) &&
            !Identify({order, address, block.port, block.hostName, {}}))
            return;  // cut short by a stop: not tried, so the search counts as stopped
        ++tried_;
    }

    bool FirstTime(const std::string& address, std::uint16_t port) {
        const std::lock_guard<std::mutex> lock(mutex_);
        return seen_.insert(address + "\n" + std::to_string(port)).second;
    }

    // False when a stop cut it short: that proves nothing either way.
    bool Identify(TcpAnswer answer) {
        answer.id = crew_.Identify(platform_, {link::PortTcp, link::NetPort(answer.address), answer.port, 8, 0, 0, 0});
        if (!answer.id.Identified() && crew_.Stopping()) return false;
        const std::lock_guard<std::mutex> lock(mutex_);
        if (answer.id.Identified()) ++found_;
        answers_.push_back(std::move(answer));
        return true;
    }

    link::Platform& platform_;
    const ScanTargets& targets_;
    const TcpDiscoveryOptions options_;
    SearchCrew crew_;
    std::vector<std::uint64_t> ends_;  ///< past-the-end order of each block
    std::atomic<std::uint64_t> tried_{0}, found_{0};
    std::mutex mutex_;
    std::set<std::string> seen_;
    std::vector<TcpAnswer> answers_;
};

}  // namespace

TcpDiscoveryResult DiscoverOnTcp(link::Platform& platform, const ScanTargets& targets,
                                 const TcpDiscoveryOptions& options, const std::function<bool()>& stopWanted,
                                 const std::function<void(const TcpDiscoveryProgress&)>& progress) {
    return Scan(platform, targets, options).Run(stopWanted, progress);
}

}  // namespace pelmora::context
