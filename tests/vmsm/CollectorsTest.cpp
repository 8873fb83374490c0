// The four reply collectors on a scripted link: silence, resends and time limits.
#include <gtest/gtest.h>

#include <tuple>

#include "VmsmRig.h"
#include "vmsm/ReplyCollectors.h"

namespace pelmora::vmsm {
namespace {

using test::H;
using test::ScriptedLink;

const std::vector<std::uint8_t> kRequest = H("1D 28 45 02 00 04 01");

TEST(CountCollector, StopsAtTheCountJudgesExactlyAndGivesUpAfterItsLimit) {
    ScriptedLink s({H("37"), {}, H("20 00")});
    auto got = CollectCount(s.link, {50, 3, 2000});
    EXPECT_EQ(std::tie(got.complete, got.bytes, s.readCount), std::tuple(true, H("37 20 00"), 3));

    ScriptedLink more({H("37 20"), H("00 00")});
    EXPECT_FALSE(CollectCount(more.link, {50, 3, 2000}).complete) << "four bytes are not three";
    EXPECT_EQ(more.readCount, 2);

    for (std::uint32_t limit : {2000u, 5000u}) {
        ScriptedLink silent;
        silent.silentReadMs = 0;  // reads cost only the link's 10 ms and the 10 ms pause
        const auto start = silent.Now();
        EXPECT_FALSE(CollectCount(silent.link, {3, 3, limit}).complete);
        EXPECT_TRUE(silent.Now() - start > limit && silent.Now() - start <= limit + 20) << silent.Now() - start;
    }
}

TEST(ResendCollector, ResendsFromTheThirdSilentReadAndGivesUpAfterTen) {
    ScriptedLink s;
    EXPECT_FALSE(CollectWithResend(s.link, kRequest, {11, 11, 0, OnSilence::Keep}).complete);
    EXPECT_EQ(std::tie(s.readCount, s.writes), std::tuple(12, std::vector(10, kRequest)));
}

TEST(ResendCollector, SilenceBoundsAndValueBytes) {
    struct Case { ResendCollector collector; std::deque<std::vector<std::uint8_t>> script; const char* want; std::size_t resends; };
    const Case cases[] = {
        // kept across a silent read, dropped at the resend
        {{100, 100, 0, OnSilence::Keep}, {H("37 33"), {}, H("31 1F 39 00")}, "37 33 31 1F 39 00", 0},
        {{100, 100, 0, OnSilence::Keep}, {H("37 33"), {}, {}, {}, H("37 33 31 1F 39 00")}, "37 33 31 1F 39 00", 1},
        // an answer after a resend is taken
        {{11, 11, 0, OnSilence::Keep}, {{}, {}, {}, H("37 21 30 30 30 30 30 30 30 31 00")},
         "37 21 30 30 30 30 30 30 30 31 00", 1},
        // the switch reader drops at every silent read
        {{100, 100, 0, OnSilence::Discard}, {H("37 21 30"), {}, H("37 21 30 30 30 30 30 30 30 30 00")},
         "37 21 30 30 30 30 30 30 30 30 00", 0},
        // the Bluetooth reader takes only a whole reply in one read
        {{100, 100, 0, OnSilence::WholeReadOnly}, {H("37 42 63"), H("37 42 63 32 00")}, "37 42 63 32 00", 0},
        // at most twelve bytes are kept
        {{100, 12, 0, OnSilence::Keep}, {H("37 33 31 1F 31 31 35 32 30 30 30 30 30 30 00")},
         "37 33 31 1F 31 31 35 32 30 30 30 30", 0},
        // the tear-off value bytes 00 00 do not end it
        {{100, 12, 6, OnSilence::Keep}, {H("37 35 30 1F 00 00 00")}, "37 35 30 1F 00 00 00", 0},
    };
    for (const Case& k : cases) {
        ScriptedLink s(k.script);
        const auto got = CollectWithResend(s.link, kRequest, k.collector);
        EXPECT_EQ(std::tuple(got.complete, got.bytes, s.writes.size()), std::tuple(true, H(k.want), k.resends));
    }
}

TEST(TimedCollector, EndsAtNulOrTwoSecondsAfterTheRequest) {
    ScriptedLink s({H("37 81 31"), H("25 1F 3F 00"), H("99")});
    auto got = CollectUntilNul(s.link, s.clock().TickCount(), {});
    EXPECT_EQ(std::tie(got.complete, got.bytes), std::tuple(true, H("37 81 31 25 1F 3F 00")));

    ScriptedLink silent;
    silent.silentReadMs = 500;
    const auto sentAt = silent.clock().TickCount();
    EXPECT_FALSE(CollectUntilNul(silent.link, sentAt, {}).complete);
    EXPECT_TRUE(silent.Now() - sentAt >= 2000u && silent.Now() - sentAt < 2600u) << silent.Now() - sentAt;

    // Reads take up to 255 bytes: a reply of that length arrives in one.
    std::vector<std::uint8_t> full(255, 0x41);
    full.back() = 0x00;
    ScriptedLink whole({full});
    EXPECT_TRUE(CollectUntilNul(whole.link, whole.clock().TickCount(), {}).complete);
    EXPECT_EQ(whole.readCount, 1);

    ScriptedLink longer({H("37 33 31 1F 31 31"), H("35 32 30 30 30 30 30 30")});
    got = CollectUntilNul(longer.link, longer.clock().TickCount(), {11, 2000});
    EXPECT_EQ(std::tuple(got.complete, got.bytes.size()), std::tuple(false, 12u)) << "stops past eleven, keeping one over";
}

TEST(SingleShotCollector, AcceptsOnlyThreeBytesEndingInNul) {
    ScriptedLink s({H("37 20 00 00"), {}, H("37 20 00")});
    const auto got = CollectSingleShot(s.link, kRequest);
    EXPECT_EQ(std::tuple(got.complete, got.bytes, s.writes.size()), std::tuple(true, H("37 20 00"), 2u));

    ScriptedLink silent;
    EXPECT_FALSE(CollectSingleShot(silent.link, kRequest).complete);
    EXPECT_EQ(std::tuple(silent.readCount, silent.writes.size()), std::tuple(10, 9u)) << "ten attempts, nine resends";
}

}  // namespace
}  // namespace pelmora::vmsm
