#include "link/SerialReadLoop.h"

#include <algorithm>

#include "link/SerialReadRule.h"

namespace pelmora::link {

namespace {
// Time since the read began. Summing 32-bit tick differences keeps it right
// across a wrap of the tick counter.
class Elapsed {
public:
    explicit Elapsed(Clock& clock) : clock_(clock), last_(clock.TickCount()) {}
    std::uint64_t Now() {
        const std::uint32_t tick = clock_.TickCount();
        total_ += static_cast<std::uint32_t>(tick - last_);
        last_ = tick;
        return total_;
    }

private:
    Clock& clock_;
    std::uint32_t last_;
    std::uint64_t total_ = 0;
};

// poll() takes an int; longer waits are simply taken in several turns.
constexpr std::uint64_t kLongestWaitMs = 1u << 30;
}  // namespace

int ReadWithTimeouts(ByteSource& source, Clock& clock, const SerialTimeouts& timeouts,
                     std::uint8_t* buffer, int capacity, const StopRequest* stop) {
    if (capacity <= 0) return 0;
    Elapsed elapsed(clock);
    const SerialReadRule rule(timeouts, capacity, 0);
    int received = 0;
    std::uint64_t lastByteAt = 0;
    for (;;) {
        const int got = source.ReadAvailable(buffer + received, capacity - received);
        const std::uint64_t now = elapsed.Now();
        if (got < 0) return received > 0 ? received : -1;
        if (got > 0) {
            received += got;
            lastByteAt = now;
        }
        const std::uint64_t deadline = rule.Deadline(received, lastByteAt);
        if (received >= capacity || now >= deadline || (stop && stop->Requested())) return received;
        source.WaitReadable(static_cast<std::uint32_t>(std::min(deadline - now, kLongestWaitMs)));
    }
}

}  // namespace pelmora::link
