#include "link/Clock.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>

namespace pelmora::link {

std::uint32_t SystemClock::TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SystemClock::Sleep(std::uint32_t ms) {
    // A job sleeps hundreds of times for a few milliseconds each; the kernel's
    // default 50 us of timer slack per sleep would add up to tens of them.
    thread_local const bool tight = ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)tight;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    ::localtime_r(&t, &local);
    return local;
}

}  // namespace pelmora::link
