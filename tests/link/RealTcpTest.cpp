#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

#include <sys/socket.h>
#include <unistd.h>

#include "link/LinkFailure.h"
#include "link/PrinterLink.h"
#include "link/RealPlatform.h"
#include "support/LoopbackListener.h"
#include "support/RecordingTrace.h"

namespace pelmora::link {
namespace {

// A loopback listener standing in for a printer's raw port. Bytes both ways
// are in every end-to-end test over TCP; these are the edges.
struct RealTcp : testing::Test {
    void SetUp() override { ASSERT_GE(listener.fd(), 0); }

    test::RecordingTrace trace;
    RealPlatform platform{[](const std::string& name) { return name; }, trace};
    test::LoopbackListener listener{4};
    const std::uint16_t port = listener.port();
};

TEST_F(RealTcp, MalformedAnyAddressOrRefusedPortGivesNoChannelAndSaysWhy) {
    // Each of these would reach the listener through a lenient parser; none reaches the resolver.
    for (const char* text : {"127.1", "0x7f.0.0.1", "127.0.0.1 ", "127.0.0.1.", "0.0.0.0", "::", "", "[::1]"}) {
        EXPECT_EQ(platform.ConnectTcp(text, port), nullptr) << '"' << text << '"';
        EXPECT_EQ(TakeOpenFailure().kind, LinkFailure::Kind::BadAddress) << '"' << text << '"';
    }
    EXPECT_EQ(platform.ConnectTcp("127.0.0.1", 0), nullptr);
    listener.Close();
    EXPECT_EQ(platform.ConnectTcp("127.0.0.1", port), nullptr);
    const LinkFailure refused = TakeOpenFailure();
    EXPECT_EQ(std::tie(refused.kind, refused.where), std::tuple(LinkFailure::Kind::Refused, "127.0.0.1:" + std::to_string(port)));
    // A support log names the address each attempt went to.
    const std::string p = std::to_string(port);
    ASSERT_GE(trace.lines.size(), 2u);
    EXPECT_EQ(trace.lines.front(), "Not a printer address: \"127.1\" port " + p);
    EXPECT_EQ(trace.lines.back(), "Connect to 127.0.0.1 port " + p + " failed: Connection refused");
    EXPECT_EQ(platform.ConnectTcp("::1", port), nullptr);
    EXPECT_EQ(TakeOpenFailure().where, "[::1]:" + p);
    EXPECT_EQ(trace.lines.back(), "Connect to ::1 port " + p + " failed: Connection refused");
}

// Through the link, as the jobs see it.
TEST_F(RealTcp, ClosedPeerReadsZeroWritesFailWithoutSigpipeAndIsForgottenOnReopen) {
    PrinterLink link{platform};
    link.Configure({PortTcp, NetPort("127.0.0.1"), port, 8, 0, 0, 0});
    ASSERT_EQ(link.OpenPort(), 1);
    const int accepted = ::accept(listener.fd(), nullptr, nullptr);
    ASSERT_EQ(::send(accepted, "x", 1, 0), 1);
    EXPECT_FALSE(link.PeerClosed()) << "a byte waiting is no hang-up";
    ::close(accepted);
    // Known before any read, so a job can reopen instead of failing on the dead link.
    std::uint8_t data[64] = {};
    ASSERT_EQ(link.ReadPort(data, 1), 1);
    bool closed = false;
    for (int attempt = 0; attempt < 100 && !(closed = link.PeerClosed()); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(closed);
    EXPECT_EQ(link.ReadPort(data, sizeof data), 0);
    EXPECT_TRUE(link.PeerGone());
    // The first write may still be taken; the peer's reset fails a later one.
    int result = 0;
    for (int attempt = 0; attempt < 100 && result != -1; ++attempt) {
        result = link.WritePort(data, sizeof data);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(result, -1);  // and the process is still here
    link.ClosePort();
    ASSERT_EQ(link.OpenPort(), 1);
    EXPECT_FALSE(link.PeerGone());
}

// Only a reply that waited in the socket lets the link's pauses keep their schedule.
TEST_F(RealTcp, ReadTellsAReplyAlreadyWaitingFromOneWaitedFor) {
    const auto channel = platform.ConnectTcp("127.0.0.1", port);
    ASSERT_NE(channel, nullptr);
    const int accepted = ::accept(listener.fd(), nullptr, nullptr);
    ASSERT_EQ(::send(accepted, "ab", 2, 0), 2);  // on loopback, queued at our end on return
    std::uint8_t data[8] = {};
    EXPECT_EQ(channel->Read(data, sizeof data), 2);
    EXPECT_TRUE(channel->ReadFoundBytesWaiting());
    std::thread late([accepted] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ::send(accepted, "c", 1, 0);
    });
    EXPECT_EQ(channel->Read(data, sizeof data), 1);
    late.join();
    EXPECT_FALSE(channel->ReadFoundBytesWaiting());
    ::close(accepted);
}

}  // namespace
}  // namespace pelmora::link
