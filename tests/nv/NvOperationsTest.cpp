// The engine's printer operations on the virtual printer, the key-code list read above all.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "NvRig.h"
#include "support/ScriptedReply.h"

namespace pelmora::nv {
namespace {

using test::Bytes;
using test::Codes;

class NvOperations : public ::testing::Test {
protected:
    void SetUp() override { rig.Ready(); }
    test::NvRig rig;
};

TEST_F(NvOperations, StoredCodesReplaceTheListInBlocksEachAcknowledgedAfterItsPause) {
    rig.Preload({"10", "11", "12", "13", "14"});
    rig.handler().codesPerBlock = 2;
    rig.nv.setAddressListForTest({"old"});
    const auto start = rig.Now();
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::Ok);
    EXPECT_EQ(std::tuple(rig.nv.addressList(), rig.util.link().IsOpen()), std::tuple(Codes{"10", "11", "12", "13", "14"}, true));
    EXPECT_EQ(rig.TakeReceived(), (Bytes{0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x40, 0x4B, 0x43, byte::ACK, byte::ACK, byte::ACK}));
    EXPECT_GE(rig.Now() - start, 3u * 150u);
}

TEST(ReadKeyCodeList, RepliesDecideTheListTheAnswerAndTheLink) {
    sim::Reply split{{0x37, 0x72, 0x40, 0x41, 0x31, 0x37, 0x72, 0x40, 0x42, 0x32, 0x00}};
    split.splitAt = 5;
    split.splitGapMs = 1500;  // longer than one read waits: the first piece is lost
    struct Case { const char* name; sim::Reply reply; bool answersAck; int want; std::optional<Codes> list; };
    const Case cases[] = {
        {"empty printer", {{0x37, 0x72, 0x40, 0x00}}, false, rc::Nothing, Codes{}},
        {"piece before a silent read", split, false, rc::Ok, Codes{"B2"}},
        {"no header", {{0x41, 0x42, 0x43, 0x00}}, false, rc::BadHeader, Codes{"keep"}},
        {"longer than the block buffer", {Bytes(1100, 0x31)}, false, rc::BadHeader, Codes{"keep"}},
        {"header, then no end within the buffer", {[] { Bytes b{0x37, 0x72, 0x40}; b.resize(1103, 0x31); return b; }()},
         false, rc::BadHeader, Codes{"keep"}},
        {"always more to come", {{0x37, 0x72, 0x41, 0x31, 0x30, 0x00}}, true, rc::BadHeader, std::nullopt},
    };
    for (const Case& c : cases) {
        test::NvRig rig;
        rig.printer.AddHandler(std::make_unique<pelmora::test::ScriptedReply>(ReadKeyCodeListCommand(), std::vector{c.reply}));
        if (c.answersAck) rig.printer.AddHandler(std::make_unique<pelmora::test::ScriptedReply>(Bytes{byte::ACK}, std::vector{c.reply}));
        ASSERT_TRUE(rig.Open());
        rig.nv.setAddressListForTest({"keep"});
        EXPECT_EQ(rig.nv.ReadKeyCodeList(), c.want) << c.name;
        EXPECT_EQ(rig.nv.addressList(), c.list.value_or(rig.nv.addressList())) << c.name << " (no list: not checked)";
        // A list read or an empty printer is acknowledged; anything else gets CAN and a closed link.
        const bool good = c.want != rc::BadHeader;
        EXPECT_EQ(std::tuple(rig.TakeReceived().back(), rig.util.link().IsOpen()), std::tuple(good ? byte::ACK : byte::CAN, good)) << c.name;
    }
}

TEST_F(NvOperations, KeyCodeListFailuresCloseTheLink) {
    rig.printer.faults.perCommand["nv-list"] = sim::Fault::Silent;
    const auto start = rig.Now();
    EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::BadHeader);
    const auto& log = rig.printer.commandLog();
    EXPECT_EQ(std::tuple(std::ranges::count(log, "nv-list"), rig.util.link().IsOpen()), std::tuple(11, false));  // ten resends
    // The block pause, twelve empty reads of a second (a resend from the third on), and the
    // link's 10 ms after each of its 24 calls: the reads, the request, ten resends and the CAN.
    EXPECT_EQ(rig.Now() - start, 150u + 12u * 1000u + 24u * 10u);

    rig.printer.faults.perCommand.clear();
    for (int writesBefore : {0, 1}) {  // the request, then the ACK, taken short
        ASSERT_TRUE(rig.Open());
        rig.platform.config().shortWritesFrom = rig.platform.writes() + writesBefore;
        EXPECT_EQ(rig.nv.ReadKeyCodeList(), rc::ShortWrite) << writesBefore;
        EXPECT_FALSE(rig.util.link().IsOpen()) << writesBefore;
    }
}

TEST_F(NvOperations, RefusedCallsSendNothing) {
    EXPECT_EQ(std::tuple(rig.nv.DeleteKeyCodeImage("7"), rig.nv.PrintKeyCodeImage(""), rig.nv.PrintAllKeyCodeImages()),
              std::tuple(rc::CodeTooShort, rc::CodeTooShort, rc::Nothing));  // the last: no codes
    EXPECT_TRUE(rig.util.link().IsOpen());

    rig.util.link().ClosePort();
    rig.nv.setAddressListForTest({"10"});
    for (int result : {rig.nv.DeleteKeyCodeImage("10"), rig.nv.DeleteAllKeyCodeImages(),
                       rig.nv.PrintKeyCodeImage("10"), rig.nv.PrintAllKeyCodeImages(),
                       rig.nv.DeleteAllNumberedImages(), rig.nv.PrintAllNumberedImages(),
                       rig.nv.SendLegacyDownloadHeader(1, 10), rig.nv.ReadStoredAddresses(), rig.nv.ReadKeyCodeList()})
        EXPECT_EQ(result, rc::NotOpen);
    // A numbered print skips the link test and fails as a write.
    EXPECT_EQ(rig.nv.PrintNumberedImage(2), rc::ShortWrite);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST_F(NvOperations, PrintAllKeyCodeImagesStopsAtAShortWrite) {
    rig.nv.setAddressListForTest({"10", "11", "12"});
    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;
    EXPECT_EQ(rig.nv.PrintAllKeyCodeImages(), rc::ShortWrite);
    const auto sent = rig.platform.writeSizes().size() - static_cast<std::size_t>(rig.platform.config().shortWritesFrom);
    EXPECT_EQ(std::tuple(sent, rig.util.link().IsOpen()), std::tuple(1u, false));
}

TEST_F(NvOperations, NumberedCountsAreBounded) {
    rig.MakeLegacy();
    // 0 is an unknown count, a negative one prints nothing, one byte numbers at most 256.
    struct Case { std::int32_t count; int prints; };
    for (const Case c : {Case{0, 78}, Case{3, 3}, Case{-1, 0}, Case{1000, 256}}) {
        rig.nv.setImageCount(c.count);
        EXPECT_EQ(rig.nv.PrintAllNumberedImages(), rc::Ok) << c.count;
        const Bytes got = rig.TakeReceived();
        ASSERT_EQ(got.size(), 9u * static_cast<std::size_t>(c.prints)) << c.count;
        if (c.prints) {
            EXPECT_EQ(Bytes(got.end() - 9, got.end()), PrintNumberedCommand(static_cast<std::uint8_t>(c.prints - 1))) << c.count;
        }
    }
    // The stored list comes from the stored count: none keeps the list, a damaged one is capped.
    rig.nv.setAddressListForTest({"keep"});
    EXPECT_EQ(rig.nv.ReadStoredAddresses(), rc::Nothing);
    EXPECT_EQ(rig.nv.addressList(), (Codes{"keep"}));
    rig.nv.WriteStoredCount(0xFFFFFFF0u);
    EXPECT_EQ(rig.nv.ReadStoredAddresses(), rc::Ok);
    EXPECT_EQ(std::tuple(rig.nv.addressList().size(), rig.nv.addressList()[100]), std::tuple(256u, "100"));
    ASSERT_TRUE(rig.nv.WriteStoredCount(3));
    EXPECT_EQ(rig.nv.ReadStoredAddresses(), rc::Ok);
    EXPECT_EQ(std::tuple(rig.nv.addressList(), rig.nv.imageCount()), std::tuple(Codes{"00", "01", "02"}, 3));
    EXPECT_TRUE(rig.TakeReceived().empty());
    // Deleting them all forgets the count, in memory and in the store.
    EXPECT_EQ(rig.nv.DeleteAllNumberedImages(), rc::Ok);
    EXPECT_EQ(std::tuple(rig.nv.imageCount(), rig.nv.ReadStoredCount()), std::tuple(0, 0u));
}

TEST_F(NvOperations, DownloadBlocksGoInPiecesOf4096) {
    struct Case { std::size_t length; std::vector<int> writes; };
    for (const Case& c : {Case{4096, {4096}}, Case{4097, {4096, 1}}, Case{10000, {4096, 4096, 1808}}, Case{0, {}}}) {
        const std::size_t before = rig.platform.writeSizes().size();
        EXPECT_EQ(rig.nv.SendDownloadBlock({"x", Bytes(c.length, 0x55)}), rc::Ok);
        const auto& sizes = rig.platform.writeSizes();
        EXPECT_EQ(std::vector<int>(sizes.begin() + static_cast<std::ptrdiff_t>(before), sizes.end()), c.writes) << c.length;
    }
}

}  // namespace
}  // namespace pelmora::nv
