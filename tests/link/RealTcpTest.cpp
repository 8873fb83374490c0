#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "link/RealPlatform.h"

namespace pelmora::link {
namespace {

// A loopback listener standing in for a printer's raw port.
class Listener {
public:
    Listener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd_, 4) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        port_ = ntohs(address.sin_port);
    }
    ~Listener() {
        if (peer_ >= 0) ::close(peer_);
        if (fd_ >= 0) ::close(fd_);
    }
    std::uint16_t port() const { return port_; }
    bool Accept() { return (peer_ = ::accept(fd_, nullptr, nullptr)) >= 0; }
    void Send(const std::string& text) { ASSERT_EQ(::send(peer_, text.data(), text.size(), 0), ssize_t(text.size())); }
    std::string Receive(std::size_t count) {
        std::string text(count, '\0');
        const ssize_t got = ::recv(peer_, text.data(), count, MSG_WAITALL);
        text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        return text;
    }
    void ClosePeer() {
        ::close(peer_);
        peer_ = -1;
    }
    void StopListening() {
        ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    int peer_ = -1;
    std::uint16_t port_ = 0;
};

struct RealTcp : testing::Test {
    NullTrace trace;
    RealPlatform platform{[](const std::string& name) { return name; }, trace};
    Listener printer;
};

TEST_F(RealTcp, BytesGoBothWays) {
    auto channel = platform.ConnectTcp("127.0.0.1", printer.port());
    ASSERT_NE(channel, nullptr);
    ASSERT_TRUE(printer.Accept());
    const std::uint8_t query[] = {0x1D, 0x49, 0x43};
    EXPECT_EQ(channel->Write(query, 3), 3);
    EXPECT_EQ(printer.Receive(3), "\x1D\x49\x43");
    printer.Send("_MPT");
    std::uint8_t reply[16] = {};
    EXPECT_EQ(channel->Read(reply, sizeof reply), 4);
    EXPECT_EQ(std::memcmp(reply, "_MPT", 4), 0);
}

TEST_F(RealTcp, MalformedOrLocalAnyAddressIsRefusedWithoutConnecting) {
    // Each of these would reach the listener if the classic lenient parser were used.
    for (const char* text : {"127.1", "0x7f.0.0.1", "127.0.0.1 ", " 127.0.0.1", "127.0.0.1.", "127.0.0.1x",
                             "0.0.0.0", "", "localhost", "127.0.0.256"}) {
        EXPECT_EQ(platform.ConnectTcp(text, printer.port()), nullptr) << '"' << text << '"';
    }
    EXPECT_EQ(platform.ConnectTcp("127.0.0.1", 0), nullptr);
    EXPECT_NE(platform.ConnectTcp("127.0.0.1", printer.port()), nullptr);
}

TEST_F(RealTcp, RefusedPortGivesNoChannel) {
    const std::uint16_t port = printer.port();
    printer.StopListening();
    EXPECT_EQ(platform.ConnectTcp("127.0.0.1", port), nullptr);
}

TEST_F(RealTcp, SilentPrinterReadsZeroAfterAboutASecond) {
    auto channel = platform.ConnectTcp("127.0.0.1", printer.port());
    ASSERT_NE(channel, nullptr);
    ASSERT_TRUE(printer.Accept());
    std::uint8_t reply[8];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(channel->Read(reply, sizeof reply), 0);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(950));
    EXPECT_LT(waited, std::chrono::milliseconds(3000));
}

TEST_F(RealTcp, ClosedPeerReadsZeroAndWritesFailWithoutSigpipe) {
    auto channel = platform.ConnectTcp("127.0.0.1", printer.port());
    ASSERT_NE(channel, nullptr);
    ASSERT_TRUE(printer.Accept());
    printer.ClosePeer();
    std::uint8_t reply[8];
    EXPECT_EQ(channel->Read(reply, sizeof reply), 0);
    // The first write may still be buffered; the peer's reset makes a later one fail.
    const std::uint8_t data[64] = {};
    int result = 0;
    for (int attempt = 0; attempt < 100 && result != -1; ++attempt) {
        result = channel->Write(data, sizeof data);
        if (result != -1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(result, -1);  // and the process is still here
}

}  // namespace
}  // namespace pelmora::link
