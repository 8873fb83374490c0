// The job around the runner: store, editing step, link and the closing texts.
#include <gtest/gtest.h>

#include "VmsmRig.h"
#include "vmsm/ConfigJobFlow.h"

namespace pelmora::vmsm {
namespace {

using sim::Fault;
using test::VmsmRig;

struct Flow {
    VmsmRig rig;
    int edits = 0;

    JobReport Run(std::function<EditChoice(CCommonVmsm&)> edit, Variant variant = Variant::Desktop) {
        ConfigJob job{rig.store, rig.view,
                      [this](context::JobRunner& r) { return context::DriveJob(r, rig.platform.clock()); },
                      [this, edit](CCommonVmsm& e) { ++edits; return edit(e); }, variant};
        return RunConfigJob(rig.engine, rig.util.PendingSettings, job);
    }
    std::uint32_t Stored(const char* name) {
        std::uint32_t value = 0;
        rig.store.GetRegDword(context::ProductKey, name, value);
        return value;
    }
};

TEST(ConfigJobFlow, SaveWritesStoresAndCloses) {
    Flow f;
    f.rig.store.SetRegDword(context::ProductKey, "CuttingPosition", 99);  // kept for firmware that cannot report it
    f.rig.printer.identity.versionText = "V1.00 123115";  // 101001
    const auto report = f.Run([](CCommonVmsm& e) {
        EXPECT_EQ(e.record.CuttingPosition, 99u) << "the stored record was loaded first";
        e.record.Density = 2;
        e.record.BtKeep = 1;
        return EditChoice::Save;
    });
    EXPECT_EQ(report.outcome, JobOutcome::Written);
    EXPECT_EQ(report.message, "Success to set VMSM configuration! \r\nPlease reset printer power.");
    EXPECT_EQ(report.title, "Pelmora");
    EXPECT_EQ(f.rig.held().Switch(1) & 7, 2);
    EXPECT_EQ(f.Stored("Density"), 2u);
    EXPECT_FALSE(f.rig.util.link.IsOpen());
}

TEST(ConfigJobFlow, ReadFailureShowsTheStepAndWritesNothing) {
    Flow f;
    f.rig.printer.faults.perCommand["read-switch-6"] = Fault::Silent;
    const auto report = f.Run([](CCommonVmsm&) { return EditChoice::Save; });
    EXPECT_EQ(report.outcome, JobOutcome::ReadFailed);
    EXPECT_EQ(report.message, "Failed to read SW6 data!");
    EXPECT_EQ(f.edits, 0);
    EXPECT_TRUE(f.rig.store.ValueNames(context::ProductKey).empty());
    EXPECT_FALSE(f.rig.util.link.IsOpen());
}

TEST(ConfigJobFlow, EditCancelClosesOnTheDesktopOnly) {
    for (Variant variant : {Variant::Desktop, Variant::Handheld}) {
        Flow f;
        const auto report = f.Run([](CCommonVmsm&) { return EditChoice::Cancel; }, variant);
        EXPECT_EQ(report.outcome, JobOutcome::NotWritten);
        EXPECT_EQ(report.message, "");
        EXPECT_EQ(f.rig.util.link.IsOpen(), variant == Variant::Handheld);
        EXPECT_TRUE(f.rig.store.ValueNames(context::ProductKey).empty());
    }
}

TEST(ConfigJobFlow, WriteFailureKeepsTheStore) {
    struct Case {
        Variant variant;
        const char* step;
        const char* message;
        const char* title;
    };
    for (const Case k : {Case{Variant::Desktop, "Failed to set initial command!",
                              "Failed to save VMSM configuration!\r\nPlease check your printer state.", "Pelmora"},
                         Case{Variant::Handheld, "Failed to set Init command..!!",
                              "Failed to save Virtual memory switch!!\r\nPlease Check your printer state",
                              "Total Manager Utility"}}) {
        Flow f;
        f.rig.printer.faults.perCommand["enter"] = Fault::WrongHeader;
        const auto report = f.Run([](CCommonVmsm& e) { e.record.TimeOff = 5; return EditChoice::Save; }, k.variant);
        EXPECT_EQ(report.outcome, JobOutcome::WriteFailed);
        EXPECT_EQ(report.stepMessage, k.step);
        EXPECT_EQ(report.message, k.message);
        EXPECT_EQ(report.title, k.title);
        EXPECT_TRUE(f.rig.store.ValueNames(context::ProductKey).empty());
        EXPECT_EQ(f.rig.engine.record.TimeOff, 5u) << "the edited values stay in memory";
        EXPECT_FALSE(f.rig.util.link.IsOpen());
    }
}

TEST(ConfigJobFlow, DefaultRestoresThePrinterAndStoresTheRecordAsRead) {
    Flow f;
    f.rig.held().switches[5] = 60;
    const auto report = f.Run([](CCommonVmsm&) { return EditChoice::Default; }, Variant::Handheld);
    EXPECT_EQ(report.outcome, JobOutcome::Written);
    EXPECT_EQ(report.message, "Success to Set VMSM!");
    EXPECT_EQ(f.rig.held().Switch(5), 15);
    EXPECT_EQ(f.Stored("TimeOff"), 60u);
}

}  // namespace
}  // namespace pelmora::vmsm
