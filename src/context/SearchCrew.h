#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>

#include "context/Identification.h"
#include "link/CommSettings.h"
#include "link/Platform.h"
#include "link/StopRequest.h"

namespace pelmora::context {

/// The threads of a printer search: `jobs` workers take the items 0..total-1
/// in turn while the calling thread watches them. An identification is given
/// up after `identifyMs`, since a silent listener must not hold a worker for
/// the link's whole resend loop; a stop ends every exchange under way.
class SearchCrew {
public:
    SearchCrew(std::uint64_t total, int jobs, std::uint32_t identifyMs);

    /// Runs `item(order)` for each item until all are done or a stop; the
    /// calling thread asks `stopWanted` and calls `tick` every few tens of
    /// milliseconds, and once more at the end.
    void Run(const std::function<void(std::uint64_t order)>& item, const std::function<bool()>& stopWanted,
             const std::function<void()>& tick);

    /// For an item: opens `settings` and identifies what answers, within the time limit.
    Identification Identify(link::Platform& platform, const link::CommSettings& settings);

    link::StopRequest& stop() { return stop_; }
    bool Stopping() const { return stop_.Requested(); }

private:
    struct Exchange;
    void Work();
    void Watch();

    const std::uint64_t total_;
    const int jobs_;
    const std::uint32_t identifyMs_;
    link::StopRequest stop_;
    std::atomic<std::uint64_t> next_{0};
    std::atomic<int> finished_{0};
    std::mutex mutex_;
    std::condition_variable done_;
    std::list<Exchange*> underWay_;
    const std::function<void(std::uint64_t)>* item_ = nullptr;
};

}  // namespace pelmora::context
