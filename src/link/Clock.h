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
    /// At least `ms` since the last Mark, the earlier pauses since it included:
    /// see SystemClock.
    virtual void Sleep(std::uint32_t ms) = 0;
    /// Something besides pausing happened (bytes crossed the link, a port
    /// opened or closed): the next Sleep counts from when it is called.
    virtual void Mark() {}
};

/// Real time from the monotonic clock. On Linux a run of pauses with nothing
/// but bookkeeping between them (progress steps, a phase's timers) keeps to
/// one schedule: each ends `ms` after the one before was due rather than
/// after it woke, so the time between two Marks is still at least the sum of
/// the pauses between them, without each sleep's lateness added.
class SystemClock final : public Clock {
public:
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t ms) override;
    void Mark() override;
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
