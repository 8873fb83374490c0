#include "context/TcpDiscovery.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "context/PrinterContext.h"
#include "context/ResultCode.h"
#include "link/ConnectProbe.h"

namespace pelmora::context {

namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr auto kWatchEvery = std::chrono::milliseconds(20);

/// One job's identification under way, for the watcher to stop.
struct JobSlot {
    std::mutex mutex;
    PrinterContext* util = nullptr;
    SteadyClock::time_point since;
};

class Scan {
public:
    Scan(link::Platform& platform, const ScanTargets& targets, const TcpDiscoveryOptions& options)
        : platform_(platform), targets_(targets), options_(options) {
        for (const ScanBlock& block : targets.blocks) ends_.push_back((ends_.empty() ? 0 : ends_.back()) + block.count);
    }

    TcpDiscoveryResult Run(const std::function<bool()>& stopWanted,
                           const std::function<void(const TcpDiscoveryProgress&)>& progress) {
        const std::size_t jobs = static_cast<std::size_t>(
            std::clamp<std::uint64_t>(static_cast<std::uint64_t>(std::max(options_.jobs, 1)), 1, std::max<std::uint64_t>(targets_.total, 1)));
        std::vector<std::unique_ptr<JobSlot>> slots;
        std::vector<std::thread> workers;
        // Starting hundreds of threads takes a while on a busy machine; the first are at work already.
        for (std::size_t i = 0; i < jobs; ++i) {
            if (!stop_.Requested() && stopWanted && stopWanted()) stop_.Request();
            slots.push_back(std::make_unique<JobSlot>());
            workers.emplace_back([this, slot = slots.back().get()] { Work(*slot); });
        }
        while (finished_.load() < jobs) {
            if (!stop_.Requested() && stopWanted && stopWanted()) stop_.Request();
            Watch(slots);
            if (progress) progress({std::min(tried_.load(), targets_.total), targets_.total, found_.load()});
            // Woken early by the last job, so a quick search ends without a last idle tick.
            std::unique_lock<std::mutex> lock(mutex_);
            done_.wait_for(lock, kWatchEvery, [&] { return finished_.load() == jobs; });
        }
        for (auto& worker : workers) worker.join();
        TcpDiscoveryResult result;
        result.tried = std::min(tried_.load(), targets_.total);
        result.stopped = stop_.Requested() && result.tried < targets_.total;
        result.answers = std::move(answers_);
        std::sort(result.answers.begin(), result.answers.end(),
                  [](const TcpAnswer& a, const TcpAnswer& b) { return a.order < b.order; });
        if (progress) progress({result.tried, targets_.total, found_.load()});
        return result;
    }

private:
    // Ends the waits of identifications past their time, or all of them on a stop.
    void Watch(const std::vector<std::unique_ptr<JobSlot>>& slots) {
        const auto now = SteadyClock::now();
        const auto limit = std::chrono::milliseconds(options_.identifyMs);
        for (const auto& slot : slots) {
            const std::lock_guard<std::mutex> lock(slot->mutex);
            if (slot->util && (stop_.Requested() || now - slot->since >= limit)) slot->util->link().stopRequest().Request();
        }
    }

    void Work(JobSlot& slot) {
        for (std::uint64_t order; !stop_.Requested() && (order = next_++) < targets_.total;) {
            const std::size_t b = static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), order) - ends_.begin());
            const ScanBlock& block = targets_.blocks[b];
            const std::string address = ScanAddressAt(block, order - (b == 0 ? 0 : ends_[b - 1]));
            const auto probe = link::ProbeTcp(address, block.port, options_.connectMs, stop_);
            if (probe.kind == link::ProbeOutcome::Stopped) break;  // not tried: it had no full chance
            if (probe.kind == link::ProbeOutcome::Accepted && FirstTime(address, block.port))
                Identify(slot, {order, address, block.port, block.hostName, {}});
            ++tried_;
        }
        const std::lock_guard<std::mutex> lock(mutex_);
        ++finished_;
        done_.notify_all();
    }

    bool FirstTime(const std::string& address, std::uint16_t port) {
        const std::lock_guard<std::mutex> lock(mutex_);
        return seen_.insert(address + "\n" + std::to_string(port)).second;
    }

    void Identify(JobSlot& slot, TcpAnswer answer) {
        PrinterContext util(platform_);
        util.HandOver({link::PortTcp, link::NetPort(answer.address), answer.port, 8, 0, 0, 0});
        {
            const std::lock_guard<std::mutex> lock(slot.mutex);
            slot.util = &util;
            slot.since = SteadyClock::now();
        }
        if (util.link().OpenPort()) {
            answer.id = IdentifyOpenPrinter(util);
        } else {
            answer.id.result = rc::NotOpen;
            answer.id.message = "Port open error!";
        }
        {
            const std::lock_guard<std::mutex> lock(slot.mutex);
            slot.util = nullptr;
        }
        // Cut short by a stop, it proves nothing either way.
        if (!answer.id.Identified() && stop_.Requested()) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        if (answer.id.Identified()) ++found_;
        answers_.push_back(std::move(answer));
    }

    link::Platform& platform_;
    const ScanTargets& targets_;
    const TcpDiscoveryOptions options_;
    std::vector<std::uint64_t> ends_;  ///< past-the-end order of each block
    link::StopRequest stop_;
    std::atomic<std::uint64_t> next_{0}, tried_{0}, found_{0};
    std::atomic<std::size_t> finished_{0};
    std::mutex mutex_;
    std::condition_variable done_;
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
