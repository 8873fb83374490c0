#pragma once
#include <cstdint>

#include "link/Clock.h"
#include "link/Platform.h"

namespace pelmora::link {

/// Where a serial read takes its bytes from: the open port, or a fake in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    /// Waits at most `ms` for bytes to arrive; false when none came (or on error,
    /// which the next ReadAvailable reports).
    virtual bool WaitReadable(std::uint32_t ms) = 0;
    /// Takes what has arrived, up to `capacity`, without waiting: the count,
    /// 0 when nothing is there, -1 when the port failed or went away.
    virtual int ReadAvailable(std::uint8_t* buffer, int capacity) = 0;
};

/// One read of at most `capacity` bytes under the interval / multiplier /
/// constant time-outs, timed on `clock`. Returns the bytes received (0 when
/// none came in time), or -1 when the source failed before the first byte;
/// bytes that arrive after the read returned stay in the source. Once `stop`
/// is set the read returns what it has; the source's waits must end for it too.
int ReadWithTimeouts(ByteSource& source, Clock& clock, const SerialTimeouts& timeouts,
                     std::uint8_t* buffer, int capacity, const StopRequest* stop = nullptr);

/// How often a wait looks at a stop request: a Cancel ends it within this.
inline constexpr std::uint32_t kStopPollMs = 100;

}  // namespace pelmora::link
