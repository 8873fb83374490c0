// Replaying a transcript: from its lines to steps, and the byte-for-byte check of the tool.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "sim/ReplayScript.h"
#include "sim/ReplaySession.h"
#include "support/PrinterRig.h"

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<sim::ReplayScript> Script(const std::string& lines, std::uint32_t link = 0, std::string* error = nullptr) {
    std::istringstream in(lines);
    std::string ignored;
    return sim::ReadReplayScript(in, link, error ? *error : ignored);
}

// A recorded exchange: 1D 49 43 answered in two reads, then a late answer to 1D 49 41.
const char* kIdentify = R"({"transcript":1,"tool":"pelmora","version":"1.0.4","command":["pelmora","identify"]}
{"t":0,"link":1,"event":"open","channel":"serial","port":"\\\\.\\COM1"}
{"t":1,"link":1,"event":"write","hex":"00"}
{"t":2,"link":1,"event":"write","hex":"1D 49"}
{"t":3,"link":1,"event":"write","hex":"43"}
{"t":20,"link":1,"event":"read","hex":"5F 41"}
{"t":30,"link":1,"event":"read","hex":"00"}
{"t":40,"link":1,"event":"write","hex":"1D 49 41 FF","taken":3}
{"t":1040,"link":1,"event":"timeout"}
{"t":1540,"link":1,"event":"read","hex":"5F 56 00"}
{"t":1600,"link":1,"event":"close"}
)";

TEST(ReplayScript, WritesBecomeWhatToExpectAndReadsTheReply) {
    const auto script = Script(kIdentify);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->tool, "pelmora 1.0.4: pelmora identify");
    ASSERT_EQ(script->connections.size(), 1u);
    const auto& steps = script->connections[0].steps;
    ASSERT_EQ(steps.size(), 2u);
    // The serial line's probe is no request; of the second write, only what the
    // channel took; its reply came after a time-out.
    EXPECT_EQ(std::tie(steps[0].expect, steps[0].reply, steps[0].replyDelayMs),
              std::tuple(Bytes{0x1D, 0x49, 0x43}, Bytes{0x5F, 0x41, 0x00}, 0u));
    EXPECT_EQ(std::tie(steps[1].expect, steps[1].reply, steps[1].replyDelayMs),
              std::tuple(Bytes{0x1D, 0x49, 0x41}, Bytes{0x5F, 0x56, 0x00}, 1500u));
}

TEST(ReplayScript, ConnectionsAndLinksAreKeptApart) {
    const std::string two = R"({"t":0,"link":1,"event":"open","channel":"tcp","port":"10.0.0.1:9100"}
{"t":1,"link":1,"event":"read","hex":"AA"}
{"t":1,"link":2,"event":"open","channel":"tcp","port":"10.0.0.2:9100"}
{"t":2,"link":1,"event":"write","hex":"01"}
{"t":2,"link":2,"event":"write","hex":"02"}
{"t":3,"link":1,"event":"close"}
{"t":4,"link":1,"event":"open-failed","channel":"tcp","port":"10.0.0.1:9100"}
{"t":5,"link":1,"event":"open","channel":"tcp","port":"10.0.0.1:9100"}
{"t":6,"link":1,"event":"write","hex":"03"}
)";
    std::string error;
    EXPECT_FALSE(Script(two, 0, &error));
    EXPECT_NE(error.find("--link"), std::string::npos) << error;

    const auto first = Script(two, 1);
    ASSERT_TRUE(first);
    ASSERT_EQ(first->connections.size(), 2u);
    ASSERT_EQ(first->connections[0].steps.size(), 2u);
    const auto& steps = first->connections[0].steps;
    // The printer spoke first.
    EXPECT_EQ(std::tie(steps[0].expect, steps[0].reply, steps[1].expect), std::tuple(Bytes{}, Bytes{0xAA}, Bytes{0x01}));
    EXPECT_EQ(first->connections[1].steps[0].expect, Bytes{0x03});

    const auto second = Script(two, 2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->connections[0].port, "10.0.0.2:9100");
    EXPECT_FALSE(Script(two, 3, &error));
}

TEST(ReplayScript, UnreadableTranscriptsNameTheLine) {
    const struct { std::string text, error; } cases[] = {
        {"", "no connection"},
        {"{\"transcript\":1,\"tool\":5,\"command\":\"x\"}\n", "no connection"},
        {"{\"t\":0,\"link\":1,\"event\":\"open\"}\n{\"t\":0,\"link\":1,\"event\":\"read\",\"hex\":\"ZZ\"}\n", "line 2"},
        {"\x89PNG\r\n\x1a\n", "line 1"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Script(c.text, 0, &error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(ReplaySession, TheToolMeetsOrDepartsFromTheRecording) {
    sim::ReplayConnection recorded;
    recorded.steps = {{{}, {0xAA}, 0}, {{0x1D, 0x28, 0x45, 0x02, 0x00, 0x04, 0x01}, {0x37, 0x21, 0x00}, 0},
                      {{0x1D, 0x49, 0x43}, {0x5F, 0x00}, 250}};
    // sends: what the tool sends, piece by piece; replies: handed out after Start, none once the tool departed.
    struct Case { const char* name; std::vector<Bytes> sends; bool closes; std::string difference; std::size_t replies; };
    const Case cases[] = {
        {"whole", {{0x1D, 0x28, 0x45, 0x02, 0x00, 0x04, 0x01, 0x1D, 0x49, 0x43}}, true, "", 2},
        {"byte by byte", {{0x1D}, {0x28}, {0x45}, {0x02}, {0x00}, {0x04}, {0x01}, {0x1D, 0x49}, {0x43}}, true, "", 2},
        {"differs mid-request", {{0x1D, 0x28, 0x45}, {0x02, 0x00, 0x04, 0x09}}, false,
         "first difference at offset 6: expected 01, got 09", 0},
        {"sends more", {{0x1D, 0x28, 0x45, 0x02, 0x00, 0x04, 0x01, 0x1D, 0x49, 0x43, 0x10}}, false,
         "first difference at offset 10: expected nothing more, got 10", 0},
        {"stops short", {{0x1D, 0x28, 0x45, 0x02, 0x00, 0x04, 0x01, 0x1D}}, true,
         "first difference at offset 8: expected 49, got the end of the connection", 1},
    };
    for (const Case& c : cases) {
        sim::ReplaySession session(recorded);
        const auto first = session.Start();
        ASSERT_EQ(first.size(), 1u) << c.name;
        EXPECT_EQ(first[0].bytes, Bytes{0xAA});
        std::vector<sim::ReplaySession::Send> replies;
        for (const auto& piece : c.sends) std::ranges::copy(session.Receive(piece), std::back_inserter(replies));
        if (c.closes) session.Closed();
        EXPECT_EQ(session.difference(), c.difference) << c.name;
        EXPECT_EQ(session.Finished(), c.difference.empty()) << c.name;
        ASSERT_EQ(replies.size(), c.replies) << c.name;
        if (c.replies == 2) {
            EXPECT_EQ(std::tie(replies[0].bytes, replies[1].bytes, replies[1].delayMs),
                      std::tuple(Bytes{0x37, 0x21, 0x00}, Bytes{0x5F, 0x00}, 250u)) << c.name;
        }
    }
}

}  // namespace
}  // namespace pelmora
