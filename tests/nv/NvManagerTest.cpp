// The manager's buttons end to end on the virtual printer, and the catalogue that keeps the image list between sessions.
#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <tuple>

#include "nv/NvCatalogue.h"
#include "nv/NvCommands.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

using test::Codes;
using Stage = NvDownloadOutcome::Stage;

class NvManagerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(manager.Open().ok); }
    void Add(const std::string& name, int width, int height) { rig.AddImage(rig.Bitmap(name, width, height)); }
    Codes StoredCodes() {
        const auto codes = std::views::keys(rig.handler().keyCodeImages());
        return {codes.begin(), codes.end()};
    }

    test::NvRig rig;
    NvManager manager{rig.nv, rig.host};
};

TEST_F(NvManagerTest, AutoAddressingTakesTheFreeCodes) {
    Add("a.bmp", 600, 90);
    Add("b.bmp", 100, 3);
    Add("c.bmp", 8, 1);
    auto outcome = manager.Download(true);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_EQ(std::tuple(outcome.refresh.ok, StoredCodes(), rig.nv.addressList(), rig.nv.imageCount(), rig.nv.ReadStoredCount(),
                         rig.nv.downloadQueue().size()), std::tuple(true, Codes{"10", "11", "12"}, Codes{"10", "11", "12"}, 3, 3u, 0u));
    const auto& first = *rig.handler().FindKeyCode("10");  // there: checked above
    EXPECT_EQ(std::tuple(first.width, first.height, rig.handler().FindKeyCode("11")->raster.size()), std::tuple(384, 57, 13u * 3u));

    // With "10" and "12" stored, the next three go around them.
    ASSERT_TRUE(manager.Delete(1, "11").ok);
    EXPECT_EQ(rig.nv.addressList(), (Codes{"10", "12"}));
    outcome = manager.Download(true);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_EQ(rig.nv.addressList(), (Codes{"10", "12", "11", "13", "14"}));
}

TEST_F(NvManagerTest, AskedCodesAndACancelledAddressWindow) {
    Add("a.bmp", 8, 1);
    Add("b.bmp", 8, 1);
    Codes answers{"A1", "a1"};  // then none: the window cancelled
    std::size_t asked = 0;
    auto ask = [&](const Codes&) { return asked < answers.size() ? std::optional(answers[asked++]) : std::nullopt; };
    ASSERT_TRUE(manager.Download(false, ask).ok());
    EXPECT_EQ(StoredCodes(), (Codes{"A1", "a1"}));

    rig.printer.ClearLogs();
    answers = {"B1"};
    asked = 0;
    const auto cancelled = manager.Download(false, ask);
    EXPECT_EQ(std::tie(cancelled.stage, cancelled.message), std::tuple(Stage::Stopped, "Cancel to download image."));
    EXPECT_EQ(std::tuple(rig.printer.commandLog().size(), rig.nv.imageCount()), std::tuple(0u, 2));
}

TEST_F(NvManagerTest, NothingToDownloadGoneOrTooTallStopsBeforeAnythingIsSent) {
    auto outcome = manager.Download(true);
    EXPECT_EQ(std::tie(outcome.stage, outcome.message), std::tuple(Stage::NoImages, "Without a BMP file being selected."));
    EXPECT_EQ(NvManager(rig.nv, rig.host, HandheldNvJob()).Download(true).message, "Without a bitmap file being selected.");

    Add("a.bmp", 8, 1);
    Add("tall.bmp", 384, 1366);
    rig.printer.ClearLogs();
    outcome = manager.Download(true);
    EXPECT_NE(outcome.message.find("65524"), std::string::npos) << outcome.message;
    EXPECT_EQ(std::tie(outcome.stage, outcome.path), std::tuple(Stage::Stopped, rig.nv.imageList().items()[1].path));
    EXPECT_EQ(std::tuple(rig.printer.commandLog().size(), rig.nv.downloadQueue().size()), std::tuple(0u, 0u));

    rig.nv.editImageList().RemoveImageItem(2);
    std::filesystem::remove(rig.nv.imageList().items()[0].path);
    outcome = manager.Download(true);
    EXPECT_EQ(std::tuple(outcome.message, rig.printer.commandLog().size()), std::tuple("Failed to load image file!", 0u));
}

TEST_F(NvManagerTest, KeptPicturesAreNotReadAgainAtTheDownload) {
    rig.nv.setKeepDecodedPictures(true);
    Add("a.bmp", 8, 1);
    std::filesystem::remove(rig.nv.imageList().items()[0].path);
    rig.nv.setDownloadQueueForTest({{"left from before", {1, 2, 3}}});  // a download sends only its own blocks
    const auto outcome = manager.Download(true);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_EQ(std::tuple(StoredCodes(), outcome.blocks), std::tuple(Codes{"10"}, 1u));
}

TEST_F(NvManagerTest, FailedDownloadLeavesTheCountAndStillRefreshes) {
    Add("a.bmp", 8, 1);
    rig.nv.WriteStoredCount(9);
    rig.nv.setImageCount(9);
    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;  // after the maker query
    const auto outcome = manager.Download(true);
    rig.platform.config().shortWritesFrom = -1;
    EXPECT_EQ(std::tie(outcome.stage, outcome.message), std::tuple(Stage::JobFailed, " Failed to write data!\r\nPlease check your printer."));
    EXPECT_EQ(std::tuple(rig.nv.ReadStoredCount(), rig.nv.imageCount(), rig.nv.downloadQueue().size()), std::tuple(9u, 9, 0u));
}

TEST_F(NvManagerTest, LegacyPrinterNumbersTheImagesAndRemembersTheCount) {
    rig.MakeLegacy();
    Add("a.bmp", 8, 1);
    Add("b.bmp", 8, 2);
    ASSERT_TRUE(manager.Download(true).ok());
    // The printer takes numbered blocks only after a header announcing their length (7 + 8).
    const auto sent = rig.TakeReceived(), header = LegacyDownloadHeader(1, 15);
    EXPECT_NE(std::ranges::search(sent, header).begin(), sent.end());
    ASSERT_EQ(rig.handler().numberedImages().size(), 2u);
    EXPECT_EQ(rig.handler().numberedImages()[1].raster, (test::Bytes{0xFF, 0xFF}));
    EXPECT_EQ(std::tuple(rig.nv.ReadStoredCount(), rig.nv.addressList()), std::tuple(2u, Codes{"00", "01"}));
    ASSERT_TRUE(manager.Print(1, "01").ok);
    EXPECT_EQ(rig.handler().printed(), Codes{"#1"});

    rig.TakeReceived();
    EXPECT_EQ(manager.Delete(0, "00").message, " Not supported operation!");
    EXPECT_TRUE(rig.TakeReceived().empty());
    ASSERT_TRUE(manager.DeleteAll().ok);
    EXPECT_EQ(std::tuple(rig.handler().numberedImages().size(), rig.nv.addressList().size(), rig.nv.ReadStoredCount()),
              std::tuple(0u, 0u, 0u));
    rig.TakeReceived();
    ASSERT_TRUE(manager.PrintAll().ok);  // count unknown: every likely number, through the numbered command
    EXPECT_EQ(rig.TakeReceived().size(), 78u * 9u);
}

// The jobs' prints, deletes and list reads again: NvJobRunnerTest; here, what the manager takes from the list.
TEST_F(NvManagerTest, PrintAllTakesTheCountFromTheList) {
    rig.Preload({"10", "11"});
    ASSERT_TRUE(manager.Refresh().ok);
    ASSERT_TRUE(manager.PrintAll().ok);
    EXPECT_EQ(rig.nv.imageCount(), 2);

    // A refresh that fails shows no codes rather than the ones read before.
    rig.printer.faults.perCommand["nv-list"] = sim::Fault::WrongHeader;
    EXPECT_FALSE(manager.Refresh().ok);
    EXPECT_TRUE(rig.nv.addressList().empty());
}

TEST(NvManagerOpen, FailureClosesTheLinkAndForgetsTheCheck) {
    test::NvRig rig;
    rig.printer.faults.perCommand["nv-list"] = sim::Fault::WrongHeader;
    const auto outcome = NvManager(rig.nv, rig.host).Open();
    EXPECT_EQ(std::tie(outcome.ok, outcome.message), std::tuple(false, "Failed to read NV image address!"));
    EXPECT_EQ(std::tuple(rig.util.link().IsOpen(), rig.nv.printerChecked()), std::tuple(false, false));
}

/// "number:name:brightness" of each list item.
Codes Names(const test::NvRig& rig) {
    Codes out;
    for (const auto& item : rig.nv.imageList().items())
        out.push_back(std::to_string(item.number) + ":" + item.name + ":" + std::to_string(item.brightness));
    return out;
}

TEST(NvCatalogue, LoadStopsAtTheFirstGapSkipsFilesThatAreGoneAndDropsWhatPassesTheLimit) {
    test::NvRig rig;
    const auto a = rig.Bitmap("a.bmp", 8, 2);
    const auto c = pelmora::test::WriteBytes((rig.dir / "c.png").string(), pelmora::test::PngRgba(2, 1, {0, 0}));
    const auto d = pelmora::test::WriteBytes((rig.dir / "d.jpg").string(), pelmora::test::Jpeg(RgbImage(8, 8, 0), 90));
    const std::pair<int, std::string> entries[] = {{1, rig.dir.path().string() + "/gone.bmp,010"}, {2, a + ",020"}, {3, c},
                                                   {4, d + ",030"}, {6, a + ",040"}};  // 6: after the gap at 5, never read
    for (const auto& [index, text] : entries) WriteCatalogueEntry(rig.store, index, text);
    EXPECT_TRUE(LoadCatalogue(rig.nv).empty());
    EXPECT_EQ(Names(rig), (Codes{"1:a.bmp:20", "2:c.png:0", "3:d.jpg:30"}));

    // 384 x 1000 estimates 48000 bytes: five fit into 262144, the sixth does not.
    const auto big = rig.Bitmap("big.bmp", 384, 1000);
    for (int i = 1; i <= 6; ++i) WriteCatalogueEntry(rig.store, i, big + ",000");
    WriteCatalogueEntry(rig.store, 7, rig.Bitmap("small.bmp", 8, 1) + ",000");
    EXPECT_EQ(LoadCatalogue(rig.nv), Codes{big});
    const NvImageItem& last = rig.nv.imageList().items().back();
    EXPECT_EQ(std::tuple(rig.nv.imageList().size(), last.name, last.number), std::tuple(6u, "small.bmp", 6));

    rig.store.SetRegString(NvKey, "image001", "");
    EXPECT_TRUE(LoadCatalogue(rig.nv).empty());
    EXPECT_TRUE(rig.nv.imageList().empty());
}

TEST(NvCatalogue, SaveReplacesWhateverWasThereAndLoadGetsItBack) {
    test::NvRig rig;
    for (int i = 1; i <= 5; ++i) WriteCatalogueEntry(rig.store, i, "/old/" + std::to_string(i) + ".bmp");
    rig.store.SetRegString(NvKey, "image1", "not an entry");  // values that are not the catalogue's stay
    const auto a = rig.Bitmap("a.bmp", 8, 2);
    for (int brightness : {0, 7, 100}) rig.AddImage(a, brightness);
    rig.nv.setImageCount(2);
    rig.nv.MarkPrinterChecked();
    rig.nv.setAddressListForTest({"10"});
    rig.nv.setDownloadQueueForTest({{"x", {1, 2, 3}}});

    SaveCatalogue(rig.nv);
    for (const auto& [index, text] : {std::pair{1, a + ",000"}, std::pair{2, a + ",007"}, std::pair{3, a + ",100"},
                                      std::pair{4, std::string()}}) EXPECT_EQ(ReadCatalogueEntry(rig.store, index), text) << index;
    EXPECT_EQ(std::tuple(rig.nv.ReadStoredCount(), rig.nv.printerChecked(), rig.nv.addressList(), rig.nv.downloadQueue().size(),
                         rig.nv.imageList().size()), std::tuple(2u, false, test::Codes{}, 0u, 3u)) << "the list stays until the next load";
    std::string kept;
    EXPECT_EQ(rig.store.GetRegString(NvKey, "image1", kept), 1);

    LoadCatalogue(rig.nv);
    EXPECT_EQ(Names(rig), (Codes{"1:a.bmp:0", "2:a.bmp:7", "3:a.bmp:100"}));
}

}  // namespace
}  // namespace pelmora::nv
