#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "nv/NvJobRunner.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

using context::JobEnd;
using test::Codes;
using Labels = std::vector<std::pair<std::string, int>>;

/// One job driven to its end on the rig's virtual clock.
struct JobRun {
    JobRun(test::NvRig& rig, NvJob job, const NvJobVariant& variant = DesktopNvJob(), const std::string& code = {}) {
        NvJobRunner runner(rig.nv, job, view, variant);
        runner.selectedCode = code;
        end = context::DriveJob(runner, rig.platform.clock());
        message = runner.Message();
        position = runner.position();
    }
    test::RecordingView view;
    JobEnd end = JobEnd::Running;
    std::string message;
    int position = 0;
};

TEST(NvJobRunner, ReadAddressesOpensChecksAndFillsTheBarInEachVariant) {
    struct Case { const NvJobVariant& variant; const char* title; Labels labels; std::uint32_t firmware; Codes log; };
    const Case cases[] = {
        // The finish fills the bar up under the last label.
        {DesktopNvJob(), "NV Image Manager",
         {{"Progressing...", 1}, {"Open port...", 5}, {"Open port...", 5}, {"Check printer...", 5}, {"Get NV image address...", 20 + 65}},
         0, {"maker", "nv-list"}},
        // Only the handheld asks for the firmware version.
        {HandheldNvJob(), "Get Nv Address list",
         {{"Processing...", 1}, {"Open Port..", 5}, {"Check Printer...", 5}, {"Check Printer...", 5}, {"Get NV Address", 20 + 65}},
         160902, {"model", "version", "nv-list"}},
    };
    for (const Case& c : cases) {
        test::NvRig rig;
        rig.Preload({"10", "11"});
        const JobRun run(rig, NvJob::ReadAddresses, c.variant);
        EXPECT_EQ(std::tuple(run.end, rig.nv.addressList(), rig.nv.printerChecked(), rig.util.link().IsOpen()),
                  std::tuple(JobEnd::Ok, Codes{"10", "11"}, true, true)) << c.title;
        EXPECT_EQ(std::tuple(rig.util.firmwareVersion(), run.position, run.view.titles, run.view.labels),
                  std::tuple(c.firmware, 100, Codes{c.title}, c.labels));
        const auto& log = rig.printer.commandLog();
        EXPECT_EQ(Codes(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(std::min(log.size(), c.log.size()))), c.log) << c.title;
    }
}

TEST(NvJobRunner, FailuresEndWithTheVariantsText) {
    const std::string write = " Failed to write data!\r\nPlease check your printer.";
    const auto failedDownload = [](test::NvRig& rig) {
        rig.nv.setDownloadQueueForTest({test::BlockOfLength("a.bmp", 100)});
        rig.platform.config().shortWritesFrom = rig.platform.writes();
    };
    // ready: the link open and the printer checked beforehand.
    struct Case { const char* name; bool ready; void (*setup)(test::NvRig&); NvJob job;
                  const NvJobVariant& variant; std::string message; bool linkOpen; };
    const Case cases[] = {
        {"other maker", false, [](test::NvRig& rig) { rig.printer.identity.makerText = "OTHER"; },
         NvJob::ReadAddresses, DesktopNvJob(), "Printer model is not matched!\r\nThe printer reports another maker.", false},
        {"other model", false, [](test::NvRig& rig) { rig.printer.identity.modelText = "MPT-Q800VII"; }, NvJob::ReadAddresses,
         HandheldNvJob(), "Printer Model name not matched...!!\r\nThe printer reports the model \"MPT-Q800VII\".", false},
        {"nothing listens", false, [](test::NvRig& rig) { rig.util.link().Configure(pelmora::test::LoopbackTcp(9101)); }, NvJob::ReadAddresses,
         DesktopNvJob(), "Port open error!\r\n127.0.0.1:9101 refused the connection: nothing listens on that port (check the printer's address and port).", false},
        {"download write", true, failedDownload, NvJob::DownloadImages, DesktopNvJob(), write, false},
        // The handheld's download text differs from its other write failures.
        {"handheld download write", true, failedDownload, NvJob::DownloadImages, HandheldNvJob(),
         "Failed to write data!\r\nPlease Check your printer!", false},
        {"print all without codes", true, [](test::NvRig&) {}, NvJob::PrintAllImages, DesktopNvJob(), write, true},
    };
    for (const Case& c : cases) {
        test::NvRig rig;
        if (c.ready) rig.Ready();
        c.setup(rig);
        const JobRun run(rig, c.job, c.variant);
        EXPECT_EQ(std::tuple(run.end, run.message, rig.util.link().IsOpen(), rig.nv.printerChecked()),
                  std::tuple(JobEnd::Cancel, c.message, c.linkOpen, c.ready)) << c.name;
    }
}

TEST(NvJobRunner, CancelGivesTheStoppedMessage) {
    test::NvRig rig;
    test::RecordingView view;
    NvJobRunner runner(rig.nv, NvJob::ReadAddresses, view);
    ASSERT_TRUE(runner.Open());
    runner.Cancel();
    EXPECT_EQ(std::tuple(runner.End(), runner.Message()), std::tuple(JobEnd::Cancel, "Download process is stoped..."));
    EXPECT_FALSE(runner.RunPhase(NvPhaseStart));
    EXPECT_TRUE(rig.TakeReceived().empty());
}

// The manager keeps the link between jobs; the printer drops it meanwhile.
TEST(NvJobRunner, JobAfterAPauseReconnectsToAPrinterThatDropsIdleClients) {
    for (const NvJobVariant* variant : {&DesktopNvJob(), &HandheldNvJob()}) {
        test::NvRig rig;
        rig.platform.config().tcpIdleDropMs = 1000;
        rig.Ready();
        rig.Preload({"10"});
        rig.platform.virtualClock().Sleep(10'000);
        const JobRun run(rig, NvJob::PrintImage, *variant, "10");
        EXPECT_EQ(std::tuple(run.end, rig.handler().printed()), std::tuple(JobEnd::Ok, Codes{"10"})) << run.message;
    }
}

// On a printer checked before, no job asks for its maker again.
TEST(NvJobRunner, PrintAndDeleteJobsFillTheBar) {
    struct Case { NvJob job; std::string code; Labels labels; int position; Codes printed, left; std::uint64_t ms; };
    const Case cases[] = {
        // 5 steps and 99 after the print: past the full bar, nothing left to fill.
        {NvJob::PrintImage, "10", {{"Progressing...", 1}, {"Print selected NV image...", 5}, {"Print selected NV image...", 99}},
         104, {"10"}, {"10", "11"}, 320},
        // 5 steps before the prints, 80 after them, and the finish fills up the last 15.
        {NvJob::PrintAllImages, "", {{"Progressing...", 1}, {"Print all NV image...", 5}, {"Print all NV image...", 80 + 15}},
         100, {"10", "11"}, {"10", "11"}, 360},
        // 5 steps, the delete, 20 more and the read of the list, which fills the bar; every timer, step and pause.
        {NvJob::DeleteImage, "10", {{"Progressing...", 1}, {"Delete selected NV image...", 5},
         {"Delete selected NV image...", 20}, {"Get NV image address...", 75}}, 100, {}, {"11"}, 1750},
        {NvJob::DeleteAllImages, "", {{"Progressing...", 1}, {"Delete all NV image...", 5}, {"Delete all NV image...", 20},
         {"Get NV image address...", 75}}, 100, {}, {}, 2750},
    };
    for (const Case& c : cases) {
        test::NvRig rig;
        rig.Ready();
        rig.Preload({"10", "11"});
        rig.nv.setAddressListForTest({"10", "11"});
        const auto start = rig.Now();
        const JobRun run(rig, c.job, DesktopNvJob(), c.code);
        EXPECT_EQ(std::tie(run.end, run.view.labels, run.position), std::tuple(JobEnd::Ok, c.labels, c.position));
        EXPECT_EQ(std::tuple(rig.handler().printed(), rig.nv.addressList(), rig.handler().keyCodeImages().size()),
                  std::tuple(c.printed, c.left, c.left.size()));
        EXPECT_EQ(std::tuple(std::ranges::count(rig.printer.commandLog(), "maker"), rig.Now() - start), std::tuple(0, c.ms));
    }
}

TEST(NvJobRunner, DownloadBlocksAdvanceByTheirShareOfSeventy) {
    test::NvRig rig;
    rig.Ready();
    rig.nv.setDownloadQueueForTest({test::BlockOfLength("a.bmp", 3000, "10"), test::BlockOfLength("b.bmp", 1000, "11")});
    const auto start = rig.Now();
    const JobRun run(rig, NvJob::DownloadImages);
    // Each caption shows first while its block is sent; the finish fills up the last 100 - 79.
    EXPECT_EQ(std::tuple(run.end, rig.handler().keyCodeImages().size()), std::tuple(JobEnd::Ok, 2u));
    EXPECT_EQ(run.view.labels, (Labels{{"Progressing...", 1}, {"Start download...", 5}, {"a.bmp Downloading...", 0},
                                       {"a.bmp Downloading...", 52}, {"b.bmp Downloading...", 0},
                                       {"b.bmp Downloading...", 17}, {"Finish download...", 5 + 21}}));
    // Timers and pauses: 100 to start, 100 + 10 (five steps) to the first block,
    // then each block's steps and its 1000 ms pause, 2500 to finish, 100 + 42 to fill.
    // The link adds 10 ms to each block's write.
    const std::uint64_t pauses = 100 + 100 + 10 + 100 + 104 + 1000 + 34 + 1000 + 2500 + 100 + 42;
    EXPECT_EQ(rig.Now() - start, pauses + 2 * 10);
}

}  // namespace
}  // namespace pelmora::nv
