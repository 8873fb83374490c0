// The virtual printer's TCP port through Winsock. A SOCKET travels as an int
// like a descriptor does: Windows keeps handles within 32 bits.
#include "sim/TcpListener.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdint>

#include "link/win32/DcbLineState.h"

namespace pelmora::sim {

namespace {

constexpr int kPollMs = 100;  // how quickly a stop request is noticed

bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

SOCKET Socket(int fd) { return static_cast<SOCKET>(static_cast<std::intptr_t>(fd)); }

std::string LastError() { return link::SystemMessage(static_cast<unsigned long>(::WSAGetLastError())); }

}  // namespace

TcpListener::~TcpListener() { Close(); }

void TcpListener::Close() {
    if (fd_ >= 0) ::closesocket(Socket(fd_));
    fd_ = -1;
}

bool TcpListener::Listen(const std::string& host, std::uint16_t port, std::string& error) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address: " + host;
        return false;
    }
    Close();
    if (!StartWinsock()) {
        error = "socket: Winsock did not start";
        return false;
    }
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        error = "socket: " + LastError();
        return false;
    }
    fd_ = static_cast<int>(s);
    // No SO_REUSEADDR: on Windows it would let a second program take the port.
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(s, SOMAXCONN) != 0) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + LastError();
        return false;
    }
    int length = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    host_ = host;
    port_ = ntohs(address.sin_port);
    return true;
}

bool SendAll(int fd, const std::uint8_t* data, std::size_t count) {
    while (count > 0) {
        const int chunk = static_cast<int>(std::min<std::size_t>(count, 1u << 30));
        const int sent = ::send(Socket(fd), reinterpret_cast<const char*>(data), chunk, 0);
        if (sent <= 0) return false;
        data += sent;
        count -= static_cast<std::size_t>(sent);
    }
    return true;
}

int WaitForBytes(int client, int ms) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(Socket(client), &ready);
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    const int count = ::select(0, &ready, nullptr, nullptr, &wait);
    return count == SOCKET_ERROR ? -1 : count;
}

long ReceiveBytes(int client, std::uint8_t* buffer, std::size_t capacity) {
    return ::recv(Socket(client), reinterpret_cast<char*>(buffer), static_cast<int>(capacity), 0);
}

void CloseClient(int client) { ::closesocket(Socket(client)); }

int TcpListener::Accept(const std::atomic<bool>& stop) {
    while (!stop) {
        if (WaitForBytes(fd_, kPollMs) <= 0) continue;
        const SOCKET client = ::accept(Socket(fd_), nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        const BOOL yes = TRUE;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&yes), sizeof yes);
        return static_cast<int>(client);
    }
    return -1;
}

}  // namespace pelmora::sim
