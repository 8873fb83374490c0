#include "sim/TcpListener.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pelmora::sim {

namespace {
constexpr int kPollMs = 100;  // how quickly a stop request is noticed
}  // namespace

TcpListener::~TcpListener() { Close(); }

void TcpListener::Close() {
    if (fd_ >= 0) ::close(fd_);
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
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const int yes = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd_, SOMAXCONN) != 0) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + std::strerror(errno);
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    host_ = host;
    port_ = ntohs(address.sin_port);
    return true;
}

bool SendAll(int fd, const std::uint8_t* data, std::size_t count) {
    while (count > 0) {
        ssize_t sent = ::send(fd, data, count, MSG_NOSIGNAL);
        if (sent < 0 && errno == ENOTSOCK) sent = ::write(fd, data, count);  // a pseudo-terminal
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        data += sent;
        count -= static_cast<std::size_t>(sent);
    }
    return true;
}

int WaitForBytes(int client, int ms) {
    pollfd waiting{client, POLLIN, 0};
    const int ready = ::poll(&waiting, 1, ms);
    return ready < 0 && errno == EINTR ? 0 : ready;
}

long ReceiveBytes(int client, std::uint8_t* buffer, std::size_t capacity) { return ::recv(client, buffer, capacity, 0); }

void CloseClient(int client) { ::close(client); }

int TcpListener::Accept(const std::atomic<bool>& stop) {
    while (!stop) {
        pollfd waiting{fd_, POLLIN, 0};
        if (::poll(&waiting, 1, kPollMs) <= 0) continue;
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        const int yes = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        return client;
    }
    return -1;
}

}  // namespace pelmora::sim
