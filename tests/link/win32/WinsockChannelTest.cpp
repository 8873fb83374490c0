// The Winsock link against a listener of the test's own on loopback.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <vector>

#include "link/RealPlatform.h"
#include "link/win32/WinsockChannel.h"

namespace pelmora::link {
namespace {

class Listener {
public:
    Listener() {
        WSADATA data{};
        ::WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(socket_, 1);
        int size = sizeof address;
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~Listener() {
        if (peer_ != INVALID_SOCKET) ::closesocket(peer_);
        ::closesocket(socket_);
    }
    std::uint16_t port() const { return port_; }
    SOCKET Accept() { return peer_ = ::accept(socket_, nullptr, nullptr); }
    void ClosePeer() {
        ::closesocket(peer_);
        peer_ = INVALID_SOCKET;
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
    SOCKET peer_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
};

constexpr TcpLimits kQuick{.connectMs = 2000, .receiveMs = 50, .sendStallMs = 200};

TEST(WinsockChannelTest, RefusesWhatIsNoPrinterAddress) {
    NullTrace quiet;
    for (const auto& [address, port] : std::vector<std::pair<std::string, std::uint16_t>>{
             {"10.1", 9100}, {"0.0.0.0", 9100}, {"127.0.0.1", 0}, {"127.0.0.256", 9100}, {"", 9100}}) {
        EXPECT_FALSE(WinsockChannel::Connect(address, port, quiet, kQuick)) << address << ":" << port;
    }
    const std::uint16_t closed = Listener().port();  // closed again at once
    EXPECT_FALSE(WinsockChannel::Connect("127.0.0.1", closed, quiet, kQuick));
}

TEST(WinsockChannelTest, CarriesBytesBothWaysAndTellsSilenceFromAClosedPeer) {
    NullTrace quiet;
    Listener listener;
    RealPlatform platform(nullptr, quiet);
    const auto channel = platform.ConnectTcp("127.0.0.1", listener.port());
    ASSERT_TRUE(channel);
    const SOCKET peer = listener.Accept();
    const std::uint8_t request[] = {0x1D, 0x49, 0x43};
    ASSERT_EQ(channel->Write(request, 3), 3);
    char got[8] = {};
    ASSERT_EQ(::recv(peer, got, sizeof got, 0), 3);
    EXPECT_EQ(std::string(got, 3), "\x1D\x49\x43");

    ::send(peer, "_MPT\0", 5, 0);
    std::uint8_t reply[16] = {};
    int total = 0;
    for (int i = 0; i < 100 && total < 5; ++i) total += channel->Read(reply + total, 16 - total);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reply), 5), std::string("_MPT\0", 5));
    EXPECT_FALSE(channel->CheckPeerGone());

    listener.ClosePeer();
    std::uint8_t none[4];
    int read = -1;
    for (int i = 0; i < 100 && !channel->PeerGone(); ++i) read = channel->Read(none, 4);
    EXPECT_EQ(read, 0);  // an ended stream reads as a time-out ...
    EXPECT_TRUE(channel->PeerGone());  // ... and says so
}

TEST(WinsockChannelTest, AWriteToAPeerThatTakesNothingEndsShortInsteadOfHanging) {
    NullTrace quiet;
    Listener listener;
    const auto channel = WinsockChannel::Connect("127.0.0.1", listener.port(), quiet, kQuick);
    ASSERT_TRUE(channel);
    listener.Accept();  // never reads
    const std::vector<std::uint8_t> flood(64u << 20, 0x55);
    const int written = channel->Write(flood.data(), static_cast<int>(flood.size()));
    EXPECT_GT(written, 0);
    EXPECT_LT(written, static_cast<int>(flood.size()));
}

}  // namespace
}  // namespace pelmora::link
