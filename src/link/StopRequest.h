#pragma once
#include <atomic>

namespace pelmora::link {

/// A request from outside a running job (the window's Cancel, a signal) that
/// the link's waits should end early. Setting it is async-signal-safe; the
/// job that sees it decides what the half-done work means and clears it.
class StopRequest {
public:
    void Request() noexcept { requested_.store(true, std::memory_order_relaxed); }
    void Clear() noexcept { requested_.store(false, std::memory_order_relaxed); }
    bool Requested() const noexcept { return requested_.load(std::memory_order_relaxed); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> requested_{false};
};

}  // namespace pelmora::link
