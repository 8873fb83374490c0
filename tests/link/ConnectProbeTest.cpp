// The network search's one connect per address and its name look-up, against
// real sockets on loopback: each way a connect can end, and addresses in order.
#include <gtest/gtest.h>

#include <vector>

#include "link/ConnectProbe.h"
#include "support/LoopbackListener.h"

namespace pelmora::link {
namespace {

TEST(ProbeTcp, TellsAcceptedRefusedAndBadAddresses) {
    test::LoopbackListener open(8);
    ASSERT_GE(open.fd(), 0);
    StopRequest never;
    EXPECT_EQ(ProbeTcp("127.0.0.1", open.port(), 1000, never).kind, ProbeOutcome::Accepted);
    const std::uint16_t port = open.port();
    open.Close();
    EXPECT_EQ(ProbeTcp("127.0.0.1", port, 1000, never).kind, ProbeOutcome::Refused);
    for (const char* address : {"127.0.0.256", "localhost", ""})
        EXPECT_EQ(ProbeTcp(address, port, 1000, never).kind, ProbeOutcome::BadAddress) << address;
    EXPECT_EQ(ProbeTcp("127.0.0.1", 0, 1000, never).kind, ProbeOutcome::BadAddress);
}

// A listener whose queue is full drops new handshakes: the connect hangs
// until its time is up, or until a stop.
TEST(ProbeTcp, AHangingConnectEndsByItsTimeOrAStop) {
    test::LoopbackListener full(0);
    ASSERT_GE(full.fd(), 0);
    StopRequest never;
    // One accepted connection fills it (closed at once, it waits there to be taken).
    for (int i = 0; i < 8 && ProbeTcp("127.0.0.1", full.port(), 50, never).kind == ProbeOutcome::Accepted; ++i) {}
    EXPECT_EQ(ProbeTcp("127.0.0.1", full.port(), 120, never).kind, ProbeOutcome::TimedOut);
    StopRequest stop;
    stop.Request();
    EXPECT_EQ(ProbeTcp("127.0.0.1", full.port(), 60000, stop).kind, ProbeOutcome::Stopped);
}

TEST(LookUpHost, NamesGiveNumericAddressesIPv4First) {
    std::string error;
    const std::vector<std::string> local = LookUpHost("localhost", error);
    ASSERT_FALSE(local.empty()) << error;
    EXPECT_EQ(local.front(), "127.0.0.1");
    EXPECT_EQ(error, "");
    EXPECT_EQ(LookUpHost("::1", error), std::vector<std::string>{"::1"});
    EXPECT_EQ(LookUpHost("127.1", error), std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(LookUpHost("", error), std::vector<std::string>{});
    EXPECT_EQ(error, "Name or service not known");
}

}  // namespace
}  // namespace pelmora::link
