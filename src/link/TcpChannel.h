#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "link/Platform.h"
#include "link/Trace.h"

namespace pelmora::link {

struct TcpLimits {
    std::uint32_t connectMs = 3000;    ///< an unreachable host fails after this
    std::uint32_t receiveMs = 1000;    ///< a read on a silent printer returns 0 after this
    std::uint32_t sendStallMs = 10000; ///< a write gives up when nothing moved for this long
};

/// A TCP connection to a printer's raw port through POSIX sockets. Reads are
/// bounded so that a silent printer yields 0 as a serial port does.
class TcpChannel final : public Channel {
public:

    /// Connects to a dotted IPv4 address. Null for malformed text, the
    /// any-address (which would reach this machine itself), port 0, a refused
    /// or unreachable peer, or no answer within `limits.connectMs`.
    static std::unique_ptr<TcpChannel> Connect(const std::string& ipv4, std::uint16_t port, TraceSink& trace,
                                               TcpLimits limits = {});
    ~TcpChannel() override;
    TcpChannel(const TcpChannel&) = delete;
    TcpChannel& operator=(const TcpChannel&) = delete;

    /// Bytes sent (fewer when the peer stopped taking them), -1 on a socket error.
    int Write(const std::uint8_t* data, int count) override;
    /// Bytes of one receive; 0 when nothing came in time or the peer closed, -1 on error.
    int Read(std::uint8_t* buffer, int capacity) override;
    bool PeerGone() const override { return gone_; }
    bool CheckPeerGone() override;

private:
    TcpChannel(int fd, TcpLimits limits) : fd_(fd), limits_(limits) {}
    int fd_;
    TcpLimits limits_;
    bool gone_ = false;
};

}  // namespace pelmora::link
