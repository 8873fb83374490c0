#include "link/Clock.h"

#include <sys/prctl.h>
#include <time.h>

#include <cerrno>
#include <chrono>
#include <optional>

namespace pelmora::link {

std::uint32_t SystemClock::TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

namespace {

// Where the last pause was due to end, while nothing but pauses happened since.
// Per thread: each printer of a fleet keeps its own.
thread_local std::optional<std::chrono::steady_clock::time_point> pauseDue;

// A pause asked for longer than this after the last one was due follows
// something else (a wait for a person, a reply's poll) and counts from now.
constexpr std::chrono::milliseconds kSameRun{1};

// The kernel wakes a sleeper 50 to 100 us late on the machines we measured, and
// a job pays that at every exchange, some fifty times. Waking this much early
// and watching the clock for the rest costs a few ms of CPU per job.
constexpr std::chrono::microseconds kWakeEarly{100};

timespec ToTimespec(std::chrono::steady_clock::time_point t) {
    const auto since = t.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    return {static_cast<std::time_t>(seconds.count()),
            static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count())};
}

}  // namespace

void SystemClock::Sleep(std::uint32_t ms) {
    // A job sleeps hundreds of times for a few milliseconds each; the kernel's
    // default 50 us of timer slack per sleep would add up to tens of them.
    thread_local const bool tight = ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)tight;
    // Each wake comes some 0.1 ms late here; counted from the last due time,
    // that lateness is paid once per run of pauses rather than once per pause.
    const auto now = std::chrono::steady_clock::now();
    const auto from = pauseDue && now - *pauseDue < kSameRun ? *pauseDue : now;
    pauseDue = from + std::chrono::milliseconds(ms);
    const timespec early = ToTimespec(*pauseDue - kWakeEarly);
    // steady_clock is CLOCK_MONOTONIC; a signal (Ctrl-C) does not cut the pause short.
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &early, nullptr) == EINTR) {
    }
    while (std::chrono::steady_clock::now() < *pauseDue) {
    }
}

void SystemClock::Mark() { pauseDue.reset(); }

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    ::localtime_r(&t, &local);
    return local;
}

}  // namespace pelmora::link
