#include <gtest/gtest.h>

#include <algorithm>

#include "context/ResultCode.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;

/// Answers the key-code request (and, when asked, every ACK) with fixed replies.
struct ScriptedList : sim::CommandHandler {
    std::vector<sim::Reply> onRequest;
    std::vector<sim::Reply> onAck;
    bool answersAck = false;

    Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<sim::Reply>& replies) override {
        if (answersAck && input[0] == byte::ACK) {
            consumed = 1;
            key = "scripted-ack";
            replies = onAck;
            return Match::Yes;
        }
        const Bytes request = ReadKeyCodeListCommand();
        const std::size_t n = std::min(input.size(), request.size());
        if (!std::equal(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n), request.begin())) return Match::No;
        if (n < request.size()) return Match::NeedMore;
        consumed = request.size();
        key = "scripted-list";
        replies = onRequest;
        return Match::Yes;
    }
};

class ReadKeyCodeList : public ::testing::Test {
protected:
    ScriptedList& Script(std::vector<sim::Reply> replies) {
        auto handler = std::make_unique<ScriptedList>();
        handler->onRequest = std::move(replies);
        auto& ref = *handler;
        rig.printer.AddHandler(std::move(handler));
        return ref;
    }
    void SetUp() override { ASSERT_TRUE(rig.Open()); }

    nv::test::NvRig rig;
};

TEST_F(ReadKeyCodeList, StoredCodesArriveInOrderAndAreAcknowledged) {
    rig.Preload({"A1", "B2"});
    rig.nv.AddressList = {"old"};
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::Ok);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"A1", "B2"}));
    EXPECT_EQ(rig.TakeReceived(), (Bytes{0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x40, 0x4B, 0x43, byte::ACK}));
    EXPECT_TRUE(rig.util.link.IsOpen());
}

TEST_F(ReadKeyCodeList, EmptyPrinterIs400WithTheListEmptiedAndTheLinkOpen) {
    rig.nv.AddressList = {"A1"};
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::Nothing);
    EXPECT_TRUE(rig.nv.AddressList.empty());
    EXPECT_EQ(rig.TakeReceived().back(), byte::ACK);
    EXPECT_TRUE(rig.util.link.IsOpen());
}

TEST_F(ReadKeyCodeList, LongListArrivesInBlocksEachAfterItsPause) {
    rig.Preload({"10", "11", "12", "13", "14"});
    rig.handler().codesPerBlock = 2;
    const auto start = rig.Now();
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::Ok);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"10", "11", "12", "13", "14"}));
    const auto received = rig.TakeReceived();
    EXPECT_EQ(std::count(received.begin(), received.end(), byte::ACK), 3);
    EXPECT_GE(rig.Now() - start, 3u * 150u);
}

TEST_F(ReadKeyCodeList, JunkBeforeTheHeaderIsSkipped) {
    Script({sim::Reply{{0x11, 0xFF, 0x37, 0x72, 0x40, 0x41, 0x31, 0x00}}});
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::Ok);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"A1"}));
}

TEST_F(ReadKeyCodeList, BadRepliesGetCanAndCloseTheLink) {
    struct Case {
        const char* name;
        sim::Reply reply;
    };
    const Case cases[] = {
        {"no header", sim::Reply{{0x41, 0x42, 0x43, 0x00}}},
        {"wrong tag", sim::Reply{{0x37, 0x73, 0x40, 0x41, 0x31, 0x00}}},
        {"longer than the block buffer", sim::Reply{Bytes(1100, 0x31)}},
    };
    for (const Case& c : cases) {
        nv::test::NvRig fresh;
        auto handler = std::make_unique<ScriptedList>();
        handler->onRequest = {c.reply};
        fresh.printer.AddHandler(std::move(handler));
        ASSERT_TRUE(fresh.Open());
        fresh.nv.AddressList = {"A1"};
        EXPECT_EQ(fresh.nv.ReadKeyCodeList(), rc::BadHeader) << c.name;
        EXPECT_EQ(fresh.TakeReceived().back(), byte::CAN) << c.name;
        EXPECT_FALSE(fresh.util.link.IsOpen()) << c.name;
        EXPECT_EQ(fresh.nv.AddressList, (std::vector<std::string>{"A1"})) << c.name;
    }
}

TEST_F(ReadKeyCodeList, SilentPrinterIsAskedTenTimesMoreThenGivenUp) {
    rig.printer.faults.perCommand["nv-list"] = sim::Fault::Silent;
    const auto start = rig.Now();
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::BadHeader);
    const auto& log = rig.printer.commandLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "nv-list"), 11);
    EXPECT_FALSE(rig.util.link.IsOpen());
    EXPECT_LT(rig.Now() - start, 15000u);  // 12 empty reads of about a second
}

TEST_F(ReadKeyCodeList, PieceBeforeASilentReadIsLost) {
    sim::Reply split{{0x37, 0x72, 0x40, 0x41, 0x31, 0x37, 0x72, 0x40, 0x42, 0x32, 0x00}};
    split.splitAt = 5;
    split.splitGapMs = 1500;  // longer than one read waits
    Script({split});
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::Ok);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"B2"}));
}

TEST_F(ReadKeyCodeList, PrinterThatAlwaysHasMoreIsCutOff) {
    auto& script = Script({sim::Reply{{0x37, 0x72, 0x41, 0x31, 0x30, 0x00}}});
    script.answersAck = true;
    script.onAck = script.onRequest;
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::BadHeader);
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST_F(ReadKeyCodeList, LinkAndWriteFailures) {
    rig.util.link.ClosePort();
    rig.TakeReceived();
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::NotOpen);
    EXPECT_TRUE(rig.TakeReceived().empty());

    ASSERT_TRUE(rig.Open());
    rig.platform.config().shortWritesFrom = rig.platform.writes();
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::ShortWrite);
    EXPECT_FALSE(rig.util.link.IsOpen());

    ASSERT_TRUE(rig.Open());
    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;  // the ACK
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::ShortWrite);
    EXPECT_FALSE(rig.util.link.IsOpen());
}

}  // namespace
}  // namespace pelmora::nv
