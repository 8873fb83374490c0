#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pelmora::sim {

/// A listening IPv4 TCP socket that hands out connections one at a time.
class TcpListener {
public:
    TcpListener() = default;
    ~TcpListener();
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    /// Binds and listens; false with `error` set when that fails. Port 0 picks a free one.
    bool Listen(const std::string& host, std::uint16_t port, std::string& error);
    /// Stops listening: connections are refused until the next Listen.
    void Close();
    std::uint16_t port() const { return port_; }
    /// "ADDR:PORT" actually bound.
    std::string boundAddress() const { return host_ + ":" + std::to_string(port_); }
    /// The next client (with Nagle off), or -1 once `stop` became true.
    int Accept(const std::atomic<bool>& stop);

private:
    int fd_ = -1;
    std::string host_;
    std::uint16_t port_ = 0;
};

/// Sends everything or fails (the peer went away). Takes a socket or any other descriptor.
bool SendAll(int fd, const std::uint8_t* data, std::size_t count);

/// Waits up to `ms` for bytes, or the end, from a client Accept returned: 1
/// when there are, 0 when not yet (or a signal came), -1 on an error.
int WaitForBytes(int client, int ms);
/// Up to `capacity` bytes from the client; 0 when it has closed, -1 on an error.
long ReceiveBytes(int client, std::uint8_t* buffer, std::size_t capacity);
void CloseClient(int client);

}  // namespace pelmora::sim
