#include "link/TcpChannel.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "link/FdIo.h"
#include "link/LinkFailure.h"

namespace pelmora::link {

namespace {

struct AddrInfoDeleter {
    void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};
using AddrInfoList = std::unique_ptr<addrinfo, AddrInfoDeleter>;

// The any-address would reach this machine itself, not a printer.
bool IsUnspecified(const addrinfo& a) {
    if (a.ai_family == AF_INET)
        return reinterpret_cast<const sockaddr_in*>(a.ai_addr)->sin_addr.s_addr == htonl(INADDR_ANY);
    if (a.ai_family == AF_INET6)
        return IN6_IS_ADDR_UNSPECIFIED(&reinterpret_cast<const sockaddr_in6*>(a.ai_addr)->sin6_addr);
    return true;
}

// Only exact numeric forms and well-formed names reach the resolver: the
// classic parser's shorthand ("10.1", hex parts) would reach another host, and
// a malformed name would only cost a lookup.
bool IsAcceptedHost(const std::string& host) {
    in_addr v4{};
    in6_addr v6{};
    return ::inet_pton(AF_INET, host.c_str(), &v4) == 1 || ::inet_pton(AF_INET6, host.c_str(), &v6) == 1 ||
           IsHostNameSyntax(host);
}

// Non-blocking, so that an unreachable host costs seconds, not minutes. 0 or the errno.
int ConnectOne(int fd, const TcpEndpoint& endpoint, std::uint32_t limitMs) {
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&endpoint.address), endpoint.length) == 0) return 0;
    int error = errno;
    if (error != EINPROGRESS) return error;
    socklen_t size = sizeof error;
    if (!WaitFd(fd, POLLOUT, limitMs)) return ETIMEDOUT;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) return errno;
    return error;
}

}  // namespace

bool IsIpv6Text(const std::string& text) {
    in6_addr ignored{};
    return text.find(':') != std::string::npos && ::inet_pton(AF_INET6, text.c_str(), &ignored) == 1;
}

AddrInfoResult ResolveTcp(const std::string& host, std::uint16_t port) {
    AddrInfoResult result;
    const std::string where = host.find(':') != std::string::npos ? "[" + host + "]:" + std::to_string(port)
                                                                    : host + ":" + std::to_string(port);
    result.failure.where = where;
    if (port == 0 || !IsAcceptedHost(host)) {
        result.failure.kind = LinkFailure::Kind::BadAddress;
        return result;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* list = nullptr;
    const int status = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list);
    const AddrInfoList owned(list);
    if (status != 0) {
        result.failure.kind = status == EAI_NONAME || status == EAI_NODATA ? LinkFailure::Kind::UnknownHost
                                                                           : LinkFailure::Kind::System;
        if (result.failure.kind == LinkFailure::Kind::System) result.failure.detail = ::gai_strerror(status);
        return result;
    }
    for (const addrinfo* a = list; a; a = a->ai_next) {
        if (IsUnspecified(*a)) continue;
        sockaddr_storage copy{};
        std::memcpy(&copy, a->ai_addr, a->ai_addrlen);
        result.addresses.push_back({a->ai_family, copy, a->ai_addrlen});
    }
    if (result.addresses.empty()) result.failure.kind = LinkFailure::Kind::BadAddress;
    return result;
}

std::string AddressText(const TcpEndpoint& endpoint) {
    char text[INET6_ADDRSTRLEN] = {};
    const void* raw = endpoint.family == AF_INET6
        ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(&endpoint.address)->sin6_addr)
        : static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(&endpoint.address)->sin_addr);
    ::inet_ntop(endpoint.family, raw, text, sizeof text);
    return text;
}

std::unique_ptr<TcpChannel> TcpChannel::Connect(const std::string& host, std::uint16_t port, TraceSink& trace,
                                                TcpLimits limits) {
    AddrInfoResult resolved = ResolveTcp(host, port);
    if (resolved.addresses.empty()) {
        Tracef(trace, "Not a printer address: \"%s\" port %u", host.c_str(), unsigned{port});
        NoteOpenFailure(std::move(resolved.failure));
        return nullptr;
    }
    // Every address the name stands for, in the resolver's order; the last
    // failure is the one reported.
    LinkFailure failure;
    for (const TcpEndpoint& endpoint : resolved.addresses) {
        const int fd = ::socket(endpoint.family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
        const int error = fd < 0 ? errno : ConnectOne(fd, endpoint, limits.connectMs);
        if (error == 0) return std::unique_ptr<TcpChannel>(new TcpChannel(fd, limits));
        Tracef(trace, "Connect to %s port %u failed: %s", AddressText(endpoint).c_str(), unsigned{port},
               std::strerror(error));
        if (fd >= 0) ::close(fd);
        failure = FailureFromErrno(error, resolved.failure.where);
        if (error == ETIMEDOUT) failure.waitedMs = limits.connectMs;
    }
    NoteOpenFailure(std::move(failure));
    return nullptr;
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
    waiting_ = false;
    const StopRequest* stop = watchedStop();
    if (capacity <= 0 || (stop && stop->Requested())) return 0;
    // After a command's pause the reply is usually there already: no poll for it.
    int got = ReadNow(fd_, buffer, capacity);
    waiting_ = got > 0;
    if (got == 0 && WaitFd(fd_, POLLIN, limits_.receiveMs, stop)) got = ReadNow(fd_, buffer, capacity);
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
