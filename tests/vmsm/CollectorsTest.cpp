// The four reply collectors on a scripted link: silence, resends and time limits.
#include <gtest/gtest.h>

#include "VmsmRig.h"
#include "vmsm/ReplyCollectors.h"

namespace pelmora::vmsm {
namespace {

using test::H;
using Script = std::deque<std::vector<std::uint8_t>>;

const std::vector<std::uint8_t> kRequest = H("1D 28 45 02 00 04 01");

TEST(CountCollector, StopsAtTheCountAndJudgesExactly) {
    test::ScriptedLink s;
    s.platform.reads = Script{H("37"), {}, H("20 00")};
    auto got = CollectCount(s.link, {50, 3, 2000});
    EXPECT_TRUE(got.complete);
    EXPECT_EQ(got.bytes, H("37 20 00"));
    EXPECT_EQ(s.platform.readCount, 3);

    test::ScriptedLink more;
    more.platform.reads = Script{H("37 20"), H("00 00")};
    got = CollectCount(more.link, {50, 3, 2000});
    EXPECT_FALSE(got.complete) << "four bytes are not three";
    EXPECT_EQ(more.platform.readCount, 2);
}

TEST(CountCollector, GivesUpAfterItsLimit) {
    for (std::uint32_t limit : {2000u, 5000u}) {
        test::ScriptedLink s;
        s.platform.silentReadMs = 0;  // reads cost only the link's 10 ms and the 10 ms pause
        const auto start = s.platform.Now();
        const auto got = CollectCount(s.link, {3, 3, limit});
        EXPECT_FALSE(got.complete);
        EXPECT_GT(s.platform.Now() - start, limit);
        EXPECT_LE(s.platform.Now() - start, limit + 20);
    }
}

TEST(ResendCollector, ResendsFromTheThirdSilentReadAndGivesUpAfterTen) {
    test::ScriptedLink s;
    const auto got = CollectWithResend(s.link, kRequest, {11, 11, 0, OnSilence::Keep});
    EXPECT_FALSE(got.complete);
    EXPECT_EQ(s.platform.readCount, 12);
    EXPECT_EQ(s.platform.writes.size(), 10u);
    for (const auto& w : s.platform.writes) EXPECT_EQ(w, kRequest);
}

TEST(ResendCollector, AnswerAfterAResendIsTaken) {
    test::ScriptedLink s;
    s.platform.reads = Script{{}, {}, {}, H("37 21 30 30 30 30 30 30 30 31 00")};
    const auto got = CollectWithResend(s.link, kRequest, {11, 11, 0, OnSilence::Keep});
    EXPECT_TRUE(got.complete);
    EXPECT_EQ(got.bytes.size(), 11u);
    EXPECT_EQ(s.platform.writes.size(), 1u);
}

TEST(ResendCollector, WhatSilenceDoesToPartialReplies) {
    struct Case {
        OnSilence mode;
        Script script;
        const char* want;
    };
    const Case cases[] = {
        // kept across a silent read, dropped at the resend
        {OnSilence::Keep, Script{H("37 33"), {}, H("31 1F 39 00")}, "37 33 31 1F 39 00"},
        {OnSilence::Keep, Script{H("37 33"), {}, {}, {}, H("37 33 31 1F 39 00")}, "37 33 31 1F 39 00"},
        // the switch reader drops at every silent read
        {OnSilence::Discard, Script{H("37 21 30"), {}, H("37 21 30 30 30 30 30 30 30 30 00")},
         "37 21 30 30 30 30 30 30 30 30 00"},
        // the Bluetooth reader takes only a whole reply in one read
        {OnSilence::WholeReadOnly, Script{H("37 42 63"), H("37 42 63 32 00")}, "37 42 63 32 00"},
    };
    for (const Case& k : cases) {
        test::ScriptedLink s;
        s.platform.reads = k.script;
        const auto got = CollectWithResend(s.link, kRequest, {100, 100, 0, k.mode});
        EXPECT_TRUE(got.complete);
        EXPECT_EQ(got.bytes, H(k.want));
    }
}

TEST(ResendCollector, BoundsTheReplyAndSkipsValueBytes) {
    test::ScriptedLink s;
    s.platform.reads = Script{H("37 33 31 1F 31 31 35 32 30 30 30 30 30 30 00")};
    auto got = CollectWithResend(s.link, kRequest, {100, 12, 0, OnSilence::Keep});
    EXPECT_TRUE(got.complete);
    EXPECT_EQ(got.bytes.size(), 12u) << "at most twelve bytes are kept";

    test::ScriptedLink t;
    t.platform.reads = Script{H("37 35 30 1F 00 00 00")};
    got = CollectWithResend(t.link, kRequest, {100, 12, 6, OnSilence::Keep});
    EXPECT_EQ(got.bytes, H("37 35 30 1F 00 00 00")) << "the value bytes 00 00 do not end it";
}

TEST(TimedCollector, EndsAtNulOrTwoSecondsAfterTheRequest) {
    test::ScriptedLink s;
    s.platform.reads = Script{H("37 81 31"), H("25 1F 3F 00"), H("99")};
    auto got = CollectUntilNul(s.link, s.platform.clock().TickCount(), {});
    EXPECT_TRUE(got.complete);
    EXPECT_EQ(got.bytes, H("37 81 31 25 1F 3F 00"));

    test::ScriptedLink silent;
    silent.platform.silentReadMs = 500;
    const auto sentAt = silent.platform.clock().TickCount();
    got = CollectUntilNul(silent.link, sentAt, {});
    EXPECT_FALSE(got.complete);
    EXPECT_GE(silent.platform.Now() - sentAt, 2000u);
    EXPECT_LT(silent.platform.Now() - sentAt, 2600u);

    test::ScriptedLink longer;
    longer.platform.reads = Script{H("37 33 31 1F 31 31"), H("35 32 30 30 30 30 30 30")};
    got = CollectUntilNul(longer.link, longer.platform.clock().TickCount(), {11, 2000});
    EXPECT_FALSE(got.complete);
    EXPECT_EQ(got.bytes.size(), 12u) << "stops with more than eleven, keeping one past the bound";
}

TEST(SingleShotCollector, AcceptsOnlyThreeBytesEndingInNul) {
    test::ScriptedLink s;
    s.platform.reads = Script{H("37 20 00 00"), {}, H("37 20 00")};
    auto got = CollectSingleShot(s.link, kRequest);
    EXPECT_TRUE(got.complete);
    EXPECT_EQ(got.bytes, H("37 20 00"));
    EXPECT_EQ(s.platform.writes.size(), 2u);

    test::ScriptedLink silent;
    got = CollectSingleShot(silent.link, kRequest);
    EXPECT_FALSE(got.complete);
    EXPECT_EQ(silent.platform.readCount, 10);
    EXPECT_EQ(silent.platform.writes.size(), 9u) << "ten attempts: nine resends between them";
}

}  // namespace
}  // namespace pelmora::vmsm
