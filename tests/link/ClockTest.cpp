#include <gtest/gtest.h>

#include <chrono>

#include "link/Clock.h"

namespace pelmora::link {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// The sleeper wakes early and watches the clock for the rest, and a run of
// pauses keeps one schedule: neither may end what the printer waits for early.
// Only lower bounds: how late a loaded machine wakes is not this test's concern.
TEST(SystemClock, PausesSinceAMarkLastAtLeastTheirSum) {
    SystemClock clock;
    clock.Mark();
    const auto start = steady_clock::now();
    clock.Sleep(3);
    EXPECT_GE(steady_clock::now() - start, milliseconds(3));
    for (int i = 0; i < 5; ++i) clock.Sleep(2);
    EXPECT_GE(steady_clock::now() - start, milliseconds(13));

    // After bytes crossed the link, the next pause counts from its own call.
    clock.Mark();
    const auto afterBytes = steady_clock::now();
    clock.Sleep(1);
    EXPECT_GE(steady_clock::now() - afterBytes, milliseconds(1));
}

}  // namespace
}  // namespace pelmora::link
