#pragma once
#include <cstdint>

#include "link/SerialReadLoop.h"

namespace pelmora::link {

/// Waits at most `ms` for `events` (POLLIN, POLLOUT) on `fd`. True when the
/// descriptor is ready, hung up or in error: the next read or write tells which.
/// False as well once `stop` is set; it is looked at every kStopPollMs.
bool WaitFd(int fd, short events, std::uint32_t ms, const StopRequest* stop = nullptr);

/// What ReadNow returns when the other end has gone for good.
inline constexpr int kEndOfStream = -2;

/// One read() on a non-blocking descriptor: the count, 0 when nothing is there,
/// kEndOfStream on end of file, -1 on an error.
int ReadNow(int fd, std::uint8_t* buffer, int capacity);

/// Waits at most `waitMs` for bytes, then reads once: the count, 0 when none
/// came or the other end has closed, -1 on an error.
int ReadWithin(int fd, std::uint8_t* buffer, int capacity, std::uint32_t waitMs, const StopRequest* stop = nullptr);

/// Writes `count` bytes to a non-blocking descriptor, waiting while it is full,
/// and gives up once nothing has moved for `stallMs`. Sockets are written with
/// MSG_NOSIGNAL, so a closed peer is an error and never a SIGPIPE. Returns the
/// bytes written (fewer on a stall or a late error), -1 on an error before the
/// first byte.
int WriteBounded(int fd, const std::uint8_t* data, int count, std::uint32_t stallMs, bool socket);

/// Takes an advisory exclusive lock without waiting: false when another
/// process holds one, so two programs never talk to one printer at once.
bool LockExclusive(int fd);

/// The serial read loop's bytes from a non-blocking port descriptor. An empty
/// read is silence unless the line has hung up, which counts as failure.
class FdByteSource final : public ByteSource {
public:
    FdByteSource(int fd, const StopRequest* stop) : fd_(fd), stop_(stop) {}
    bool WaitReadable(std::uint32_t ms) override;
    int ReadAvailable(std::uint8_t* buffer, int capacity) override;

private:
    int fd_;
    const StopRequest* stop_;
};

}  // namespace pelmora::link
