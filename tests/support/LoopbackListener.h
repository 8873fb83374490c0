#pragma once
// A TCP listener on 127.0.0.1 at a port the kernel picks: a printer's raw
// port for the real socket code to reach, or something that accepts and
// never answers. Closed with the object.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

namespace pelmora::test {

class LoopbackListener {
public:
    /// fd() is -1 when the system would not listen (tests assert on it).
    explicit LoopbackListener(int backlog, int socketFlags = 0)
        : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | socketFlags, 0)) {
        sockaddr_in address{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
        socklen_t size = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd_, backlog) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            Close();
            return;
        }
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackListener() { Close(); }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    int fd() const { return fd_; }
    std::uint16_t port() const { return port_; }
    /// From now on a connect to port() is refused.
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
    std::uint16_t port_ = 0;
};

}  // namespace pelmora::test
