#include "link/Clock.h"

#include <windows.h>

namespace pelmora::link {

std::uint32_t SystemClock::TickCount() {
    return ::GetTickCount();
}

void SystemClock::Sleep(std::uint32_t ms) {
    // A job sleeps hundreds of times for a few milliseconds each; at the
    // default 15.6 ms timer period each would take a whole period.
    static const bool fine = ::timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)fine;
    ::Sleep(ms);
}

// Each pause here counts from its own start: there is no schedule to restart.
void SystemClock::Mark() {}

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    ::localtime_s(&local, &t);
    return local;
}

}  // namespace pelmora::link
