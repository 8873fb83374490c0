#pragma once
#include <cstdint>
#include <ctime>

namespace pelmora::link {

/// The one source of time for everything that waits: the link's pauses, the
/// reply loops counted in ticks, and the job runners' timers. Tests inject a
/// VirtualClock so that a 24-second silent-printer loop runs in microseconds.
class Clock {
public:
    virtual ~Clock() = default;
    /// Milliseconds since an arbitrary start; wraps like a 32-bit tick counter.
    virtual std::uint32_t TickCount() = 0;
    virtual void Sleep(std::uint32_t ms) = 0;
};

/// Real time from the monotonic clock.
class SystemClock final : public Clock {
public:
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t ms) override;
};

/// Time that moves only when someone sleeps or advances it.
class VirtualClock final : public Clock {
public:
    std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }
    void Sleep(std::uint32_t ms) override { now_ += ms; }
    std::uint64_t Now() const { return now_; }
    void AdvanceTo(std::uint64_t t) { if (t > now_) now_ = t; }

private:
    std::uint64_t now_ = 0;
};

/// The wall-clock time `t` in this machine's time zone, for names and stamps;
/// safe on any thread.
std::tm LocalTime(std::time_t t);

}  // namespace pelmora::link
