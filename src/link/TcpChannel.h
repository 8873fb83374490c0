#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <sys/socket.h>

#include "link/HostName.h"
#include "link/LinkFailure.h"
#include "link/Platform.h"
#include "link/TcpLimits.h"
#include "link/Trace.h"

namespace pelmora::link {

/// One address a host name stands for.
struct TcpEndpoint {
    int family = 0;  ///< AF_INET or AF_INET6
    sockaddr_storage address{};
    socklen_t length = 0;
};
struct AddrInfoResult {
    std::vector<TcpEndpoint> addresses;  ///< in the resolver's order; empty on failure
    LinkFailure failure;                 ///< `where` always set ("host:port", "[v6]:port")
};

/// Every address `host` (a name, dotted IPv4 or bare IPv6) stands for on
/// `port`, without the any-address. Digits and dots that are not four parts
/// ("10.1") are a bad address, not a name.
AddrInfoResult ResolveTcp(const std::string& host, std::uint16_t port);
/// The numeric text of an endpoint's address ("10.0.0.1", "::1").
std::string AddressText(const TcpEndpoint& endpoint);

/// A TCP connection to a printer's raw port through POSIX sockets. Reads are
/// bounded so that a silent printer yields 0 as a serial port does.
class TcpChannel final : public Channel {
public:

    /// Connects to `host` (see ResolveTcp), trying each of its addresses in
    /// turn, each for at most `limits.connectMs`. Null when none answers; the
    /// reason is noted for the link (NoteOpenFailure).
    static std::unique_ptr<TcpChannel> Connect(const std::string& host, std::uint16_t port, TraceSink& trace,
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
    bool ReadFoundBytesWaiting() const override { return waiting_; }

private:
    TcpChannel(int fd, TcpLimits limits) : fd_(fd), limits_(limits) {}
    int fd_;
    TcpLimits limits_;
    bool gone_ = false;
    bool waiting_ = false;
};

}  // namespace pelmora::link
