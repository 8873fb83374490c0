#include "link/FdIo.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pelmora::link {

namespace {
using Steady = std::chrono::steady_clock;

int PollTimeout(Steady::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Steady::now()).count();
    return left <= 0 ? 0 : left > INT_MAX ? INT_MAX : static_cast<int>(left);
}
}  // namespace

bool WaitFd(int fd, short events, std::uint32_t ms, const StopRequest* stop) {
    const auto deadline = Steady::now() + std::chrono::milliseconds(ms);
    pollfd entry{fd, events, 0};
    for (;;) {
        if (stop && stop->Requested()) return false;
        const int left = PollTimeout(deadline);
        const int slice = stop ? std::min(left, static_cast<int>(kStopPollMs)) : left;
        const int ready = ::poll(&entry, 1, slice);
        if (ready > 0) return true;
        if (ready == 0 && slice == left) return false;
        if (ready < 0 && errno != EINTR) return true;  // let the read or write report it
    }
}

int ReadNow(int fd, std::uint8_t* buffer, int capacity) {
    if (capacity <= 0) return 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, static_cast<std::size_t>(capacity));
        if (got > 0) return static_cast<int>(got);
        if (got == 0) return kEndOfStream;
        if (errno == EINTR) continue;
        return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
    }
}

int ReadWithin(int fd, std::uint8_t* buffer, int capacity, std::uint32_t waitMs, const StopRequest* stop) {
    if (capacity <= 0 || !WaitFd(fd, POLLIN, waitMs, stop)) return 0;
    const int got = ReadNow(fd, buffer, capacity);
    return got == kEndOfStream ? 0 : got;
}

int WriteBounded(int fd, const std::uint8_t* data, int count, std::uint32_t stallMs, bool socket) {
    int written = 0;
    auto stallEnd = Steady::now() + std::chrono::milliseconds(stallMs);
    while (written < count) {
        const std::size_t left = static_cast<std::size_t>(count - written);
        const ssize_t put = socket ? ::send(fd, data + written, left, MSG_NOSIGNAL)
                                   : ::write(fd, data + written, left);
        if (put > 0) {
            written += static_cast<int>(put);
            stallEnd = Steady::now() + std::chrono::milliseconds(stallMs);
            continue;
        }
        if (put < 0 && errno == EINTR) continue;
        if (put < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return written > 0 ? written : -1;
        // Full (or a driver that took nothing): wait for room, but only until the stall bound.
        const int wait = PollTimeout(stallEnd);
        if (wait == 0 || !WaitFd(fd, POLLOUT, static_cast<std::uint32_t>(wait))) break;
    }
    return written;
}

bool LockExclusive(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

bool FdByteSource::WaitReadable(std::uint32_t ms) {
    return WaitFd(fd_, POLLIN, ms, stop_);
}

int FdByteSource::ReadAvailable(std::uint8_t* buffer, int capacity) {
    const int got = ReadNow(fd_, buffer, capacity);
    if (got != kEndOfStream) return got;
    // A port in raw mode (no minimum count, no timer) answers an empty read
    // with 0 as well, even without blocking; only a hang-up ends the line.
    pollfd entry{fd_, POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0 && (entry.revents & (POLLHUP | POLLERR)) ? -1 : 0;
}

}  // namespace pelmora::link
