#include "link/TcpChannel.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "link/FdIo.h"

namespace pelmora::link {

namespace {
// Exactly four decimal parts; the classic parser's shorthand ("10.1", hex
// parts) is refused, and so is 0.0.0.0, which here would reach this machine.
std::optional<in_addr> ParseIpv4(const std::string& text) {
    in_addr address{};
    if (::inet_pton(AF_INET, text.c_str(), &address) != 1) return std::nullopt;
    if (address.s_addr == htonl(INADDR_ANY)) return std::nullopt;
    return address;
}
}  // namespace

std::unique_ptr<TcpChannel> TcpChannel::Connect(const std::string& ipv4, std::uint16_t port, TraceSink& trace,
                                                TcpLimits limits) {
    const auto address = ParseIpv4(ipv4);
    if (!address || port == 0) {
        Tracef(trace, "Not a printer address: \"%s\" port %u", ipv4.c_str(), unsigned{port});
        return nullptr;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) {
        Tracef(trace, "socket: %s", std::strerror(errno));
        return nullptr;
    }
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    peer.sin_addr = *address;
    // Non-blocking, so that an unreachable host costs seconds, not minutes.
    int error = 0;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            socklen_t size = sizeof error;
            if (!WaitFd(fd, POLLOUT, limits.connectMs)) error = ETIMEDOUT;
            else if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
        }
    }
    if (error != 0) {
        Tracef(trace, "Connect to %s:%u failed: %s", ipv4.c_str(), unsigned{port}, std::strerror(error));
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<TcpChannel>(new TcpChannel(fd, limits));
}

TcpChannel::~TcpChannel() {
    ::close(fd_);
}

int TcpChannel::Write(const std::uint8_t* data, int count) {
    const int written = WriteBounded(fd_, data, count, limits_.sendStallMs, true);
    if (written < 0) gone_ = true;
    return written;
}

// An ended stream reads as a time-out, as the link expects; the flag keeps
// the difference for the message.
int TcpChannel::Read(std::uint8_t* buffer, int capacity) {
    if (capacity <= 0 || !WaitFd(fd_, POLLIN, limits_.receiveMs, watchedStop())) return 0;
    const int got = ReadNow(fd_, buffer, capacity);
    if (got == kEndOfStream || got < 0) gone_ = true;
    return got == kEndOfStream ? 0 : got;
}

bool TcpChannel::CheckPeerGone() {
    if (gone_) return true;
    pollfd ready{fd_, static_cast<short>(POLLIN | POLLRDHUP), 0};
    if (::poll(&ready, 1, 0) <= 0) return false;
    if (ready.revents & (POLLHUP | POLLERR | POLLRDHUP)) return gone_ = true;
    // Readable: bytes waiting (still there for the next read), or the end of the stream.
    std::uint8_t byte = 0;
    const ssize_t got = ::recv(fd_, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    gone_ = got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
    return gone_;
}

}  // namespace pelmora::link
