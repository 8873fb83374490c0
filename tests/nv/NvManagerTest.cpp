#include <gtest/gtest.h>

#include <QImage>

#include "context/ResultCode.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

class NvManagerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(manager.Open().ok); }

    void Add(const std::string& name, int width, int height, int brightness = 0) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        const auto path = (rig.dir / name).string();
        ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        auto item = rig.nv.LoadImageItem(rig.nv.ImageList.NextNumber(), path, brightness);
        ASSERT_TRUE(item);
        ASSERT_EQ(rig.nv.ImageList.AddImageItem(*item), rc::Ok);
    }
    std::vector<std::string> StoredCodes() {
        std::vector<std::string> codes;
        for (const auto& entry : rig.handler().keyCodeImages()) codes.push_back(entry.first);
        return codes;
    }

    nv::test::NvRig rig;
    NvManager manager{rig.nv, rig.host};
};

TEST_F(NvManagerTest, AutoAddressingOnAnEmptyPrinter) {
    Add("a.bmp", 600, 90);
    Add("b.bmp", 100, 3);
    Add("c.bmp", 8, 1);
    const auto outcome = manager.Download(true);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_TRUE(outcome.refresh.ok);
    EXPECT_EQ(StoredCodes(), (std::vector<std::string>{"10", "11", "12"}));
    EXPECT_EQ(rig.nv.AddressList, StoredCodes());
    EXPECT_EQ(rig.nv.ImageCount, 3);
    EXPECT_EQ(rig.nv.ReadStoredCount(), 3u);
    EXPECT_TRUE(rig.nv.DownloadQueue.empty());
    const auto* first = rig.handler().FindKeyCode("10");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width, 384);
    EXPECT_EQ(first->height, 57);
    EXPECT_EQ(rig.handler().FindKeyCode("11")->raster.size(), 13u * 3u);
}

TEST_F(NvManagerTest, AutoAddressingAroundStoredCodes) {
    rig.Preload({"10", "12"});
    ASSERT_TRUE(manager.Refresh().ok);
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) Add(name, 8, 1);
    ASSERT_TRUE(manager.Download(true).ok());
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"10", "12", "11", "13", "14"}));
}

TEST_F(NvManagerTest, AskedCodesAndACancelledAddressWindow) {
    Add("a.bmp", 8, 1);
    Add("b.bmp", 8, 1);
    std::vector<std::string> answers{"A1", "a1"};
    auto ask = [&](const std::vector<std::string>&) -> std::optional<std::string> {
        if (answers.empty()) return std::nullopt;
        std::string code = answers.front();
        answers.erase(answers.begin());
        return code;
    };
    ASSERT_TRUE(manager.Download(false, ask).ok());
    EXPECT_EQ(StoredCodes(), (std::vector<std::string>{"A1", "a1"}));

    rig.printer.ClearLogs();
    answers = {"B1"};
    const auto cancelled = manager.Download(false, ask);
    EXPECT_EQ(cancelled.stage, NvDownloadOutcome::Stage::Stopped);
    EXPECT_EQ(cancelled.message, "Cancel to download image.");
    EXPECT_TRUE(rig.printer.commandLog().empty());
    EXPECT_EQ(rig.nv.ImageCount, 2);
}

TEST_F(NvManagerTest, NothingToDownload) {
    const auto outcome = manager.Download(true);
    EXPECT_EQ(outcome.stage, NvDownloadOutcome::Stage::NoImages);
    EXPECT_EQ(outcome.message, "Without a BMP file being selected.");
    NvManager handheld{rig.nv, rig.host, HandheldNvJob()};
    EXPECT_EQ(handheld.Download(true).message, "Without a bitmap file being selected.");
}

TEST_F(NvManagerTest, FileGoneOrTooTallStopsBeforeAnythingIsSent) {
    Add("a.bmp", 8, 1);
    Add("tall.bmp", 384, 1366);
    rig.printer.ClearLogs();
    auto outcome = manager.Download(true);
    EXPECT_EQ(outcome.stage, NvDownloadOutcome::Stage::Stopped);
    EXPECT_NE(outcome.message.find("65524"), std::string::npos) << outcome.message;
    EXPECT_EQ(outcome.path, rig.nv.ImageList.items()[1].path);
    EXPECT_TRUE(rig.printer.commandLog().empty());
    EXPECT_TRUE(rig.nv.DownloadQueue.empty());

    rig.nv.ImageList.RemoveImageItem(2);
    std::filesystem::remove(rig.nv.ImageList.items()[0].path);
    outcome = manager.Download(true);
    EXPECT_EQ(outcome.message, "Failed to load image file!");
    EXPECT_TRUE(rig.printer.commandLog().empty());
}

TEST_F(NvManagerTest, FailedDownloadLeavesTheCountAndStillRefreshes) {
    Add("a.bmp", 8, 1);
    rig.nv.WriteStoredCount(9);
    rig.nv.ImageCount = 9;
    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;  // after the maker query
    const auto outcome = manager.Download(true);
    rig.platform.config().shortWritesFrom = -1;
    EXPECT_EQ(outcome.stage, NvDownloadOutcome::Stage::JobFailed);
    EXPECT_EQ(outcome.message, " Failed to write data!\r\nPlease check your printer.");
    EXPECT_EQ(rig.nv.ReadStoredCount(), 9u);
    EXPECT_EQ(rig.nv.ImageCount, 9);
    EXPECT_TRUE(rig.nv.DownloadQueue.empty());
}

TEST_F(NvManagerTest, LegacyDownloadNumbersTheImagesAndRemembersTheCount) {
    rig.MakeLegacy();
    Add("a.bmp", 8, 1);
    Add("b.bmp", 8, 2);
    ASSERT_TRUE(manager.Download(true).ok());
    EXPECT_EQ(rig.handler().numberedImages().size(), 2u);
    EXPECT_EQ(rig.nv.ReadStoredCount(), 2u);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"00", "01"}));
    ASSERT_TRUE(manager.Print(1, "01").ok);
    EXPECT_EQ(rig.handler().printed(), std::vector<std::string>{"#1"});
}

TEST_F(NvManagerTest, PrintAllTakesTheCountFromTheList) {
    rig.Preload({"10", "11"});
    ASSERT_TRUE(manager.Refresh().ok);
    ASSERT_TRUE(manager.PrintAll().ok);
    EXPECT_EQ(rig.nv.ImageCount, 2);
    EXPECT_EQ(rig.handler().printed(), (std::vector<std::string>{"10", "11"}));
    ASSERT_TRUE(manager.Delete(0, "10").ok);
    EXPECT_EQ(rig.nv.AddressList, std::vector<std::string>{"11"});
}

TEST(NvManagerOpen, FailureClosesTheLinkAndForgetsTheCheck) {
    nv::test::NvRig rig;
    NvManager manager{rig.nv, rig.host};
    rig.printer.faults.perCommand["nv-list"] = sim::Fault::WrongHeader;
    const auto outcome = manager.Open();
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Failed to read NV image address!");
    EXPECT_FALSE(rig.util.link.IsOpen());
    EXPECT_FALSE(rig.nv.PrinterChecked);
}

}  // namespace
}  // namespace pelmora::nv
