#pragma once
#include <climits>
#include <cstdint>

#include "link/Platform.h"

namespace pelmora::link {

/// Slack on top of twice the wire time of a serial write: the driver's and
/// the adapter's own delays. A write that has not gone out by then is held by
/// flow control or a dead line, and the job ends with that cause.
constexpr std::uint32_t kWriteSlackMs = 500;

/// A serial write goes out in slices of at most this much wire time, so that a
/// stop request (Cancel, a signal, a closing window) is seen between slices.
constexpr std::uint32_t kWriteSliceMs = 200;

/// Bits a character takes on the line: start, data, parity, stop.
constexpr std::uint32_t BitsPerChar(std::int32_t dataBits, std::int32_t parity, std::int32_t stopBits) {
    const std::uint32_t data = dataBits >= 5 && dataBits <= 8 ? static_cast<std::uint32_t>(dataBits) : 8u;
    return 1u + data + (parity != 0 ? 1u : 0u) + (stopBits == 2 ? 2u : 1u);
}

/// Microseconds allowed per byte of a write: twice its wire time at `baud`.
/// An unknown speed (0) counts as the slowest the windows offer, 1200 bit/s.
constexpr std::uint32_t WriteMicrosPerByte(std::uint32_t baud, std::uint32_t bitsPerChar) {
    const std::uint64_t speed = baud ? baud : 1200u;
    return static_cast<std::uint32_t>((2ull * bitsPerChar * 1'000'000ull + speed - 1) / speed);
}

/// Bytes in one slice of a write at `microsPerByte` (at least one).
constexpr int WriteSliceBytes(std::uint32_t microsPerByte) {
    const std::uint64_t bytes = microsPerByte ? 2ull * kWriteSliceMs * 1000ull / microsPerByte : 4096u;
    return bytes < 1 ? 1 : bytes > 65536 ? 65536 : static_cast<int>(bytes);
}

/// The bound of a serial write of `count` bytes: µs per byte x count (rounded
/// up to ms) + constant ms, capped at what the library takes. 0 means no
/// bound, as when both write time-outs are 0 on the classic port.
constexpr unsigned SerialWriteTimeoutMs(const SerialTimeouts& timeouts, int count) {
    const std::uint64_t perBytes = std::uint64_t{timeouts.writeMicrosPerByte} *
                                   static_cast<std::uint64_t>(count > 0 ? count : 0);
    const std::uint64_t bound = (perBytes + 999) / 1000 + timeouts.writeTotalConstant;
    return bound > UINT_MAX ? UINT_MAX : static_cast<unsigned>(bound);
}

}  // namespace pelmora::link
