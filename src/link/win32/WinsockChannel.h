#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "link/Platform.h"
#include "link/TcpLimits.h"
#include "link/Trace.h"

namespace pelmora::link {

/// A TCP connection to a printer's raw port through Winsock, bounded like
/// the POSIX one: a silent printer reads as 0, a stalled write gives up.
class WinsockChannel final : public Channel {
public:
    /// Null for malformed text, the any-address, port 0, a refused or
    /// unreachable peer, or no answer within `limits.connectMs`.
    static std::unique_ptr<WinsockChannel> Connect(const std::string& ipv4, std::uint16_t port, TraceSink& trace,
                                                   TcpLimits limits = {});
    ~WinsockChannel() override;
    WinsockChannel(const WinsockChannel&) = delete;
    WinsockChannel& operator=(const WinsockChannel&) = delete;

    int Write(const std::uint8_t* data, int count) override;
    int Read(std::uint8_t* buffer, int capacity) override;
    bool PeerGone() const override { return gone_; }
    bool CheckPeerGone() override;

private:
    WinsockChannel(std::uintptr_t socket, TcpLimits limits) : socket_(socket), limits_(limits) {}
    std::uintptr_t socket_;
    TcpLimits limits_;
    bool gone_ = false;
};

}  // namespace pelmora::link
