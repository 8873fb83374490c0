#include <gtest/gtest.h>

#include "context/ResultCode.h"
#include "nv/NvJobRunner.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

using context::JobEnd;

class NvJobRunnerTest : public ::testing::Test {
protected:
    JobEnd Run(NvJob job, const NvJobVariant& variant = DesktopNvJob(), const std::string& code = {},
               std::int32_t index = 0) {
        view = {};
        NvJobRunner runner(rig.nv, job, view, variant);
        runner.selectedCode = code;
        runner.selectedIndex = index;
        const JobEnd end = context::DriveJob(runner, rig.platform.clock());
        message = runner.Message();
        position = runner.position();
        return end;
    }
    /// The link open and the printer checked, as inside the manager.
    void Ready() {
        ASSERT_TRUE(rig.Open());
        rig.nv.PrinterChecked = true;
        rig.TakeReceived();
    }

    nv::test::NvRig rig;
    nv::test::RecordingView view;
    std::string message;
    int position = 0;
};

TEST_F(NvJobRunnerTest, ReadAddressesOpensChecksTheMakerAndFillsTheBar) {
    rig.Preload({"10", "11"});
    EXPECT_EQ(Run(NvJob::ReadAddresses), JobEnd::Ok);
    EXPECT_EQ(rig.nv.AddressList, (std::vector<std::string>{"10", "11"}));
    EXPECT_TRUE(rig.nv.PrinterChecked);
    EXPECT_TRUE(rig.util.link.IsOpen());
    EXPECT_EQ(position, 100);
    EXPECT_EQ(view.titles, std::vector<std::string>{"NV Image Manager"});
    EXPECT_EQ(view.labels.front().first, "Progressing...");
    EXPECT_EQ(view.StepsUnder("Open port..."), 5);
    EXPECT_EQ(view.StepsUnder("Check printer..."), 5);
    EXPECT_EQ(view.StepsUnder("Get NV image address..."), 20 + 65);  // the finish fills up under it
    const auto& log = rig.printer.commandLog();
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 2), (std::vector<std::string>{"maker", "nv-list"}));
}

TEST_F(NvJobRunnerTest, EmptyPrinterIsSuccessWithAnEmptyList) {
    rig.nv.AddressList = {"10"};
    EXPECT_EQ(Run(NvJob::ReadAddresses), JobEnd::Ok);
    EXPECT_TRUE(rig.nv.AddressList.empty());
}

TEST_F(NvJobRunnerTest, StartFailuresGiveTheWindowsTexts) {
    rig.printer.identity.makerText = "OTHER";
    EXPECT_EQ(Run(NvJob::ReadAddresses), JobEnd::Cancel);
    EXPECT_EQ(message, "Printer model is not matched!");
    EXPECT_FALSE(rig.nv.PrinterChecked);
    EXPECT_FALSE(rig.util.link.IsOpen());

    rig.util.link.baudRate = 9101;  // nothing listens there
    EXPECT_EQ(Run(NvJob::ReadAddresses), JobEnd::Cancel);
    EXPECT_EQ(message, "Port open error!");
}

TEST_F(NvJobRunnerTest, ReadFailureMessage) {
    rig.printer.faults.perCommand["nv-list"] = sim::Fault::WrongHeader;
    EXPECT_EQ(Run(NvJob::ReadAddresses), JobEnd::Cancel);
    EXPECT_EQ(message, "Failed to read NV image address!");
}

TEST_F(NvJobRunnerTest, CheckedPrinterOnAnOpenLinkOnlyArmsTheJob) {
    Ready();
    NvJobRunner runner(rig.nv, NvJob::PrintImage, view);
    ASSERT_TRUE(runner.Open());
    const auto next = runner.RunPhase(NvPhaseStart);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->phase, static_cast<int>(NvJob::PrintImage));
    EXPECT_EQ(next->delayMs, 100u);
    EXPECT_EQ(runner.position(), 0);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST_F(NvJobRunnerTest, PrintImageEndsAt104) {
    Ready();
    rig.Preload({"10"});
    EXPECT_EQ(Run(NvJob::PrintImage, DesktopNvJob(), "10"), JobEnd::Ok);
    EXPECT_EQ(position, 104);
    EXPECT_EQ(rig.handler().printed(), std::vector<std::string>{"10"});
}

TEST_F(NvJobRunnerTest, DownloadBlocksAdvanceByTheirShareOfSeventy) {
    Ready();
    rig.nv.DownloadQueue = {test::BlockOfLength("a.bmp", 3000, "10"), test::BlockOfLength("b.bmp", 1000, "11")};
    const auto start = rig.Now();
    EXPECT_EQ(Run(NvJob::DownloadImages), JobEnd::Ok);
    EXPECT_EQ(view.StepsUnder("a.bmp Downloading..."), 52);
    EXPECT_EQ(view.StepsUnder("b.bmp Downloading..."), 17);
    EXPECT_EQ(view.StepsUnder("Finish download..."), 5 + (100 - 79));
    EXPECT_EQ(rig.handler().keyCodeImages().size(), 2u);
    // Timers and pauses: 100 to start, 100 + 10 (five steps) to the first block,
    // then each block's steps and its 1000 ms pause, 2500 to finish, 100 + 42 to fill.
    const std::uint64_t floor = 100 + 100 + 10 + 100 + 104 + 1000 + 34 + 1000 + 2500 + 100 + 42;
    EXPECT_GE(rig.Now() - start, floor);
    EXPECT_LT(rig.Now() - start, floor + 200);
}

TEST_F(NvJobRunnerTest, DownloadWriteFailure) {
    Ready();
    rig.nv.DownloadQueue = {test::BlockOfLength("a.bmp", 100)};
    rig.platform.config().shortWritesFrom = rig.platform.writes();
    EXPECT_EQ(Run(NvJob::DownloadImages), JobEnd::Cancel);
    EXPECT_EQ(message, " Failed to write data!\r\nPlease check your printer.");
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST_F(NvJobRunnerTest, LegacyDownloadSendsTheHeaderThenNumberedBlocks) {
    Ready();
    rig.MakeLegacy();
    Raster raster;
    raster.width = 16;
    raster.height = 2;
    raster.bytes = {0xFF, 0x00, 0x0F, 0xF0};
    rig.nv.DownloadQueue = {{"a.bmp", NumberedImageBlock(raster)}, {"b.bmp", NumberedImageBlock(raster)}};
    EXPECT_EQ(Run(NvJob::DownloadImages), JobEnd::Ok);
    const auto& log = rig.printer.commandLog();
    EXPECT_EQ(log, (std::vector<std::string>{"nv-legacy-header", "nv-legacy-block", "nv-legacy-block"}));
    ASSERT_EQ(rig.handler().numberedImages().size(), 2u);
    EXPECT_EQ(rig.handler().numberedImages()[1].raster, raster.bytes);
}

TEST_F(NvJobRunnerTest, LegacyPrinterRefusesDeleteBeforeSendingAnything) {
    Ready();
    rig.MakeLegacy();
    EXPECT_EQ(Run(NvJob::DeleteImage, DesktopNvJob(), "00"), JobEnd::Cancel);
    EXPECT_EQ(message, " Not supported operation!");
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST_F(NvJobRunnerTest, DeleteReadsTheListAgain) {
    Ready();
    rig.Preload({"10", "11"});
    EXPECT_EQ(Run(NvJob::DeleteImage, DesktopNvJob(), "10"), JobEnd::Ok);
    EXPECT_EQ(rig.nv.AddressList, std::vector<std::string>{"11"});
    EXPECT_EQ(Run(NvJob::DeleteAllImages), JobEnd::Ok);
    EXPECT_TRUE(rig.nv.AddressList.empty());
    EXPECT_TRUE(rig.handler().keyCodeImages().empty());
}

TEST_F(NvJobRunnerTest, LegacyDeleteAllAndPrintAllOfUnknownCount) {
    Ready();
    rig.MakeLegacy();
    rig.nv.WriteStoredCount(2);
    rig.nv.AddressList = {"00", "01"};
    EXPECT_EQ(Run(NvJob::DeleteAllImages), JobEnd::Ok);
    EXPECT_TRUE(rig.nv.AddressList.empty());  // the count is 0 now: the list read gives 400
    EXPECT_EQ(rig.nv.ReadStoredCount(), 0u);

    rig.TakeReceived();
    EXPECT_EQ(Run(NvJob::PrintAllImages), JobEnd::Ok);
    EXPECT_EQ(rig.TakeReceived().size(), 78u * 9u);
}

TEST_F(NvJobRunnerTest, PrintAllWithoutCodesIsAWriteFailure) {
    Ready();
    EXPECT_EQ(Run(NvJob::PrintAllImages), JobEnd::Cancel);
    EXPECT_EQ(message, " Failed to write data!\r\nPlease check your printer.");
}

TEST_F(NvJobRunnerTest, CancelGivesTheStoppedMessage) {
    NvJobRunner runner(rig.nv, NvJob::ReadAddresses, view);
    ASSERT_TRUE(runner.Open());
    runner.Cancel();
    EXPECT_EQ(runner.End(), JobEnd::Cancel);
    EXPECT_EQ(runner.Message(), "Download process is stoped...");
    EXPECT_FALSE(runner.RunPhase(NvPhaseStart));
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST_F(NvJobRunnerTest, HandheldChecksModelAndVersionWithItsOwnTexts) {
    rig.Preload({"10"});
    EXPECT_EQ(Run(NvJob::ReadAddresses, HandheldNvJob()), JobEnd::Ok);
    EXPECT_EQ(view.titles, std::vector<std::string>{"Get Nv Address list"});
    EXPECT_EQ(view.labels.front().first, "Processing...");
    EXPECT_EQ(view.StepsUnder("Open Port.."), 5);
    EXPECT_EQ(view.StepsUnder("Check Printer..."), 5);
    EXPECT_EQ(rig.util.FirmwareVersion, 160902u);
    const auto& log = rig.printer.commandLog();
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 3),
              (std::vector<std::string>{"model", "version", "nv-list"}));

    rig.util.link.ClosePort();
    rig.nv.PrinterChecked = false;
    rig.printer.identity.modelText = "MPT-Q800VII";
    EXPECT_EQ(Run(NvJob::ReadAddresses, HandheldNvJob()), JobEnd::Cancel);
    EXPECT_EQ(message, "Printer Model name not matched...!!");

    rig.util.link.baudRate = 9101;
    EXPECT_EQ(Run(NvJob::ReadAddresses, HandheldNvJob()), JobEnd::Cancel);
    EXPECT_EQ(message, "Port Open Error!!!");
}

TEST_F(NvJobRunnerTest, HandheldDownloadFailureHasNoLeadingBlank) {
    Ready();
    rig.nv.DownloadQueue = {test::BlockOfLength("a.bmp", 100)};
    rig.platform.config().shortWritesFrom = rig.platform.writes();
    EXPECT_EQ(Run(NvJob::DownloadImages, HandheldNvJob()), JobEnd::Cancel);
    EXPECT_EQ(message, "Failed to write data!\r\nPlease Check your printer!");
    EXPECT_EQ(view.titles, std::vector<std::string>{"Download Image...."});
}

}  // namespace
}  // namespace pelmora::nv
