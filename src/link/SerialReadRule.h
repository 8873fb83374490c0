#pragma once
#include <algorithm>
#include <cstdint>

#include "link/Platform.h"

namespace pelmora::link {

/// When a serial read must return under the interval / multiplier / constant
/// time-outs. Shared by the real port (which polls) and the simulated one
/// (which computes on virtual time), so both behave alike.
class SerialReadRule {
public:
    SerialReadRule(const SerialTimeouts& timeouts, int wanted, std::uint64_t start)
        : interval_(timeouts.readInterval),
          wanted_(wanted),
          total_(start + std::uint64_t{timeouts.readTotalMultiplier} * static_cast<std::uint64_t>(std::max(wanted, 0)) +
                 timeouts.readTotalConstant) {}

    /// The time at which the read returns, given `received` bytes so far, the
    /// last of which arrived at `lastByteAt`. A read that has all it wanted
    /// returns at once.
    std::uint64_t Deadline(int received, std::uint64_t lastByteAt) const {
        if (received >= wanted_) return lastByteAt;
        if (received == 0 || interval_ == 0) return total_;
        return std::min(total_, lastByteAt + interval_);
    }

    std::uint64_t TotalDeadline() const { return total_; }

private:
    std::uint32_t interval_;
    int wanted_;
    std::uint64_t total_;
};

}  // namespace pelmora::link
