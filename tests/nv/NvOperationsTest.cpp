// The engine's printer operations besides the key-code list, on the virtual printer.
#include <gtest/gtest.h>

#include "context/ResultCode.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;

class NvOperations : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rig.Open());
        rig.TakeReceived();
    }
    nv::test::NvRig rig;
};

TEST_F(NvOperations, KeyCodeCommandsSendTheirBytes) {
    rig.Preload({"A1", "B2"});
    EXPECT_EQ(rig.nv.PrintKeyCodeImage("A1"), rc::Ok);
    EXPECT_EQ(rig.nv.DeleteKeyCodeImage("A1"), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), (Bytes{0x1D, 0x28, 0x4C, 0x06, 0x00, 0x30, 0x45, 0x41, 0x31, 0x01, 0x01,
                                         0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x42, 0x41, 0x31}));
    EXPECT_EQ(rig.handler().printed(), (std::vector<std::string>{"A1"}));
    EXPECT_EQ(rig.handler().FindKeyCode("A1"), nullptr);
    EXPECT_EQ(rig.nv.DeleteAllKeyCodeImages(), rc::Ok);
    EXPECT_TRUE(rig.handler().keyCodeImages().empty());
}

TEST_F(NvOperations, ShortCodeIsRefusedBeforeAnythingIsSent) {
    EXPECT_EQ(rig.nv.DeleteKeyCodeImage("7"), rc::CodeTooShort);
    EXPECT_EQ(rig.nv.PrintKeyCodeImage(""), rc::CodeTooShort);
    EXPECT_TRUE(rig.TakeReceived().empty());
    EXPECT_TRUE(rig.util.link.IsOpen());
}

TEST_F(NvOperations, ClosedLinkIs101WithNothingSent) {
    rig.util.link.ClosePort();
    rig.nv.AddressList = {"10"};
    for (int result : {rig.nv.DeleteKeyCodeImage("10"), rig.nv.DeleteAllKeyCodeImages(),
                       rig.nv.PrintKeyCodeImage("10"), rig.nv.PrintAllKeyCodeImages(),
                       rig.nv.DeleteAllNumberedImages(), rig.nv.PrintAllNumberedImages(),
                       rig.nv.SendLegacyDownloadHeader(1, 10), rig.nv.ReadStoredAddresses()})
        EXPECT_EQ(result, rc::NotOpen);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST_F(NvOperations, PrintAllKeyCodeImagesNeedsCodesAndStopsAtAShortWrite) {
    EXPECT_EQ(rig.nv.PrintAllKeyCodeImages(), rc::Nothing);
    EXPECT_TRUE(rig.TakeReceived().empty());

    rig.nv.AddressList = {"10", "11", "12"};
    EXPECT_EQ(rig.nv.PrintAllKeyCodeImages(), rc::Ok);
    EXPECT_EQ(rig.TakeReceived().size(), 33u);

    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;
    EXPECT_EQ(rig.nv.PrintAllKeyCodeImages(), rc::ShortWrite);
    EXPECT_EQ(rig.platform.writeSizes().size() - static_cast<std::size_t>(rig.platform.config().shortWritesFrom), 1u);
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST_F(NvOperations, PrintAllNumberedImagesWithKnownUnknownAndNegativeCounts) {
    rig.MakeLegacy();
    struct Case { std::int32_t count; int prints; };
    for (const Case c : {Case{0, 78}, Case{3, 3}, Case{-1, 0}, Case{1000, 256}}) {
        rig.nv.ImageCount = c.count;
        EXPECT_EQ(rig.nv.PrintAllNumberedImages(), rc::Ok) << c.count;
        const Bytes got = rig.TakeReceived();
        ASSERT_EQ(got.size(), 9u * static_cast<std::size_t>(c.prints)) << c.count;
        if (c.prints) {
            EXPECT_EQ(Bytes(got.end() - 9, got.end()),
                      PrintNumberedCommand(static_cast<std::uint8_t>(c.prints - 1))) << c.count;
        }
    }
}

TEST_F(NvOperations, NumberedImagesPrintWithoutALinkCheck) {
    rig.util.link.ClosePort();
    EXPECT_EQ(rig.nv.PrintNumberedImage(2), rc::ShortWrite);
}

TEST_F(NvOperations, DeleteAllNumberedResetsTheCount) {
    rig.MakeLegacy();
    rig.nv.ImageCount = 4;
    ASSERT_TRUE(rig.nv.WriteStoredCount(4));
    EXPECT_EQ(rig.nv.DeleteAllNumberedImages(), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), (Bytes{0x08, 0x5E, 0x4C, 0x01, 0x00, 0x41}));
    EXPECT_EQ(rig.nv.ImageCount, 0);
    EXPECT_EQ(rig.nv.ReadStoredCount(), 0u);
}

TEST_F(NvOperations, StoredAddressesComeFromTheCount) {
    rig.nv.AddressList = {"keep"};
    EXPECT_EQ(rig.nv.ReadStoredAddresses(), rc::Nothing);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"keep"}));

    rig.nv.WriteStoredCount(3);
    EXPECT_EQ(rig.nv.ReadStoredAddresses(), rc::Ok);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"00", "01", "02"}));
    EXPECT_EQ(rig.nv.ImageCount, 3);

    rig.nv.WriteStoredCount(0xFFFFFFF0u);  // a damaged store
    EXPECT_EQ(rig.nv.ReadStoredAddresses(), rc::Ok);
    EXPECT_EQ(rig.nv.AddressList.size(), 256u);
    EXPECT_EQ(rig.nv.AddressList[100], "100");
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST_F(NvOperations, DownloadBlocksGoInPiecesOf4096) {
    struct Case { std::size_t length; std::vector<int> writes; };
    for (const Case& c : {Case{4096, {4096}}, Case{4097, {4096, 1}}, Case{10000, {4096, 4096, 1808}}, Case{0, {}}}) {
        const std::size_t before = rig.platform.writeSizes().size();
        NvDownloadBlock block{"x", Bytes(c.length, 0x55)};
        EXPECT_EQ(rig.nv.SendDownloadBlock(block), rc::Ok);
        const auto& sizes = rig.platform.writeSizes();
        EXPECT_EQ(std::vector<int>(sizes.begin() + static_cast<std::ptrdiff_t>(before), sizes.end()), c.writes)
            << c.length;
    }
    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;
    EXPECT_EQ(rig.nv.SendDownloadBlock({"x", Bytes(9000, 0x55)}), rc::ShortWrite);
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST_F(NvOperations, LegacyHeaderCarriesTheTotalPlusTwo) {
    EXPECT_EQ(rig.nv.SendLegacyDownloadHeader(1, 1000), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), (Bytes{0x08, 0x5E, 0x37, 0xEA, 0x03, 0x00, 0x00, 0x43, 0x01}));
}

}  // namespace
}  // namespace pelmora::nv
