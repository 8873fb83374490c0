#include "link/win32/WinsockChannel.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <optional>

#include "link/HostName.h"
#include "link/win32/DcbLineState.h"

namespace pelmora::link {

bool IsIpv6Text(const std::string& text) {
    IN6_ADDR ignored{};
    return text.find(':') != std::string::npos && ::inet_pton(AF_INET6, text.c_str(), &ignored) == 1;
}

namespace {
using Steady = std::chrono::steady_clock;

// Winsock must be started once per process before the first socket.
bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

// Exactly four decimal parts, and never the any-address, as on the other systems.
std::optional<in_addr> ParseIpv4(const std::string& text) {
    in_addr address{};
    if (::inet_pton(AF_INET, text.c_str(), &address) != 1) return std::nullopt;
    if (address.s_addr == htonl(INADDR_ANY)) return std::nullopt;
    return address;
}

// True when `socket` is ready for `write` (or reading) within `ms`, or in error.
bool WaitSocket(SOCKET socket, bool write, std::uint32_t ms) {
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    timeval wait{static_cast<long>(ms / 1000), static_cast<long>(ms % 1000) * 1000};
    const int count = ::select(0, write ? nullptr : &ready, write ? &ready : nullptr, &failed, &wait);
    return count != 0;  // SOCKET_ERROR too: the next call reports it
}

std::uint32_t MsLeft(Steady::time_point end) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Steady::now()).count();
    return left <= 0 ? 0 : static_cast<std::uint32_t>(left);
}
}  // namespace

std::unique_ptr<WinsockChannel> WinsockChannel::Connect(const std::string& ipv4, std::uint16_t port,
                                                        TraceSink& trace, TcpLimits limits) {
    const auto address = ParseIpv4(ipv4);
    if (!address || port == 0) {
        Tracef(trace, "Not a printer address: \"%s\" port %u", ipv4.c_str(), unsigned{port});
        return nullptr;
    }
    if (!StartWinsock()) {
        Tracef(trace, "WSAStartup failed");
        return nullptr;
    }
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        Tracef(trace, "socket: %s", SystemMessage(::WSAGetLastError()).c_str());
        return nullptr;
    }
    u_long nonBlocking = 1;
    ::ioctlsocket(s, FIONBIO, &nonBlocking);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    peer.sin_addr = *address;
    // Non-blocking, so that an unreachable host costs seconds, not minutes.
    int error = 0;
    if (::connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        error = ::WSAGetLastError();
        if (error == WSAEWOULDBLOCK) {
            int size = sizeof error;
            if (!WaitSocket(s, true, limits.connectMs)) error = WSAETIMEDOUT;
            else if (::getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
                error = ::WSAGetLastError();
        }
    }
    if (error != 0) {
        Tracef(trace, "Connect to %s:%u failed: %s", ipv4.c_str(), unsigned{port}, SystemMessage(error).c_str());
        ::closesocket(s);
        return nullptr;
    }
    return std::unique_ptr<WinsockChannel>(new WinsockChannel(s, limits));
}

WinsockChannel::~WinsockChannel() {
    ::closesocket(static_cast<SOCKET>(socket_));
}

int WinsockChannel::Write(const std::uint8_t* data, int count) {
    const SOCKET s = static_cast<SOCKET>(socket_);
    int written = 0;
    auto stallEnd = Steady::now() + std::chrono::milliseconds(limits_.sendStallMs);
    while (written < count) {
        const int put = ::send(s, reinterpret_cast<const char*>(data) + written, count - written, 0);
        if (put > 0) {
            written += put;
            stallEnd = Steady::now() + std::chrono::milliseconds(limits_.sendStallMs);
            continue;
        }
        if (::WSAGetLastError() != WSAEWOULDBLOCK) {
            gone_ = true;
            return written > 0 ? written : -1;
        }
        const std::uint32_t wait = MsLeft(stallEnd);
        if (wait == 0 || !WaitSocket(s, true, wait)) break;
    }
    return written;
}

// An ended stream reads as a time-out, as the link expects; the flag keeps
// the difference for the message.
int WinsockChannel::Read(std::uint8_t* buffer, int capacity) {
    const SOCKET s = static_cast<SOCKET>(socket_);
    if (capacity <= 0 || !WaitSocket(s, false, limits_.receiveMs)) return 0;
    const int got = ::recv(s, reinterpret_cast<char*>(buffer), capacity, 0);
    if (got > 0) return got;
    if (got == 0) {
        gone_ = true;
        return 0;
    }
    if (::WSAGetLastError() == WSAEWOULDBLOCK) return 0;
    gone_ = true;
    return -1;
}

bool WinsockChannel::CheckPeerGone() {
    if (gone_) return true;
    const SOCKET s = static_cast<SOCKET>(socket_);
    if (!WaitSocket(s, false, 0)) return false;
    // Readable: bytes waiting (still there for the next read), or the end of the stream.
    char byte = 0;
    const int got = ::recv(s, &byte, 1, MSG_PEEK);
    gone_ = got == 0 || (got < 0 && ::WSAGetLastError() != WSAEWOULDBLOCK);
    return gone_;
}

}  // namespace pelmora::link
