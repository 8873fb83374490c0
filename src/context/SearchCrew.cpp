#include "context/SearchCrew.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "context/FailureCause.h"
#include "context/PrinterContext.h"
#include "context/ResultCode.h"

namespace pelmora::context {

namespace {
using SteadyClock = std::chrono::steady_clock;
constexpr auto kWatchEvery = std::chrono::milliseconds(20);
}  // namespace

struct SearchCrew::Exchange {
    PrinterContext* util;
    SteadyClock::time_point since;
};

SearchCrew::SearchCrew(std::uint64_t total, int jobs, std::uint32_t identifyMs)
    : total_(total),
      jobs_(static_cast<int>(std::clamp<std::uint64_t>(static_cast<std::uint64_t>(std::max(jobs, 1)), 1,
                                                       std::max<std::uint64_t>(total, 1)))),
      identifyMs_(identifyMs) {}

void SearchCrew::Run(const std::function<void(std::uint64_t)>& item, const std::function<bool()>& stopWanted,
                     const std::function<void()>& tick) {
    item_ = &item;
    std::vector<std::thread> workers;
    // Starting hundreds of threads takes a while on a busy machine; the first are at work already.
    for (int i = 0; i < jobs_; ++i) {
        if (!stop_.Requested() && stopWanted && stopWanted()) stop_.Request();
        workers.emplace_back([this] { Work(); });
    }
    while (finished_.load() < jobs_) {
        if (!stop_.Requested() && stopWanted && stopWanted()) stop_.Request();
        Watch();
        if (tick) tick();
        // Woken early by the last worker, so a quick search ends without a last idle tick.
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait_for(lock, kWatchEvery, [&] { return finished_.load() == jobs_; });
    }
    for (auto& worker : workers) worker.join();
    if (tick) tick();
}

void SearchCrew::Work() {
    for (std::uint64_t order; !stop_.Requested() && (order = next_++) < total_;) (*item_)(order);
    const std::lock_guard<std::mutex> lock(mutex_);
    ++finished_;
    done_.notify_all();
}

// Ends the waits of identifications past their time, or all of them on a stop.
void SearchCrew::Watch() {
    const auto now = SteadyClock::now();
    const auto limit = std::chrono::milliseconds(identifyMs_);
    const std::lock_guard<std::mutex> lock(mutex_);
    for (Exchange* e : underWay_)
        if (stop_.Requested() || now - e->since >= limit) e->util->link().stopRequest().Request();
}

Identification SearchCrew::Identify(link::Platform& platform, const link::CommSettings& settings) {
    PrinterContext util(platform);
    util.HandOver(settings);
    Exchange exchange{&util, SteadyClock::now()};
    std::list<Exchange*>::iterator mine;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        mine = underWay_.insert(underWay_.end(), &exchange);
    }
    Identification id;
    if (util.link().OpenPort()) {
        id = IdentifyOpenPrinter(util);
    } else {
        id.result = rc::NotOpen;
        id.message = "Port open error!";
        id.cause = OpenFailureCause(util.link().openFailure());
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    underWay_.erase(mine);
    return id;
}

}  // namespace pelmora::context
