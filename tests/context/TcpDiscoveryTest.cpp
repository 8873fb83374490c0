// The network search's own rules, on loopback: a listener that never answers
// is given up after its time, an address named twice is identified once, and
// a stop ends the search with what it has.
#include <gtest/gtest.h>

#include <tuple>

#include "context/ResultCode.h"
#include "context/TcpDiscovery.h"
#include "link/ConnectProbe.h"
#include "link/RealPlatform.h"
#include "support/LoopbackListener.h"

namespace pelmora::context {
namespace {

struct TcpDiscovery : testing::Test {
    // Something that accepts (the kernel does it) and never says a word.
    void SetUp() override { ASSERT_GE(silent.fd(), 0); }

    TcpDiscoveryResult Search(const std::vector<std::string>& texts, const std::function<bool()>& stop = {}) {
        const ScanTargets targets = ParseScanTargets(texts, port, true, link::LookUpHost);
        EXPECT_EQ(targets.error, "");
        TcpDiscoveryOptions options;
        options.identifyMs = 200;
        return DiscoverOnTcp(platform, targets, options, stop, {});
    }

    test::LoopbackListener silent{8};
    const std::uint16_t port = silent.port();
    link::NullTrace trace;
    link::RealPlatform platform{[](const std::string& name) { return name; }, trace};
};

TEST_F(TcpDiscovery, ASilentListenerIsGivenUpAndNamedOnceThoughTypedTwice) {
    const auto result = Search({"127.0.0.1", "127.0.0.1:" + std::to_string(port), "127.0.0.1-1"});
    EXPECT_EQ(std::tuple(result.stopped, result.tried), std::tuple(false, 3u));
    ASSERT_EQ(result.answers.size(), 1u);
    const TcpAnswer& answer = result.answers[0];
    EXPECT_EQ(std::tie(answer.address, answer.port, answer.id.result, answer.id.message),
              std::tuple("127.0.0.1", port, rc::NoReply, "Printer model is not matched!"));
    EXPECT_FALSE(answer.id.Identified());
    EXPECT_NE(answer.id.cause.find("No reply came within"), std::string::npos) << answer.id.cause;
}

TEST_F(TcpDiscovery, AStopEndsTheSearchAndKeepsNoHalfAnswer) {
    // A /16 of loopback refuses quickly, but not before the first look at the stop.
    const auto result = Search({"127.0.0.1", "127.9.0.0/16"}, [] { return true; });
    EXPECT_TRUE(result.stopped && result.answers.empty());
    EXPECT_LT(result.tried, 65535u);
}

}  // namespace
}  // namespace pelmora::context
