// The job runner on virtual time against the virtual printer: phase paths,
// conditions, progress, failures and the handheld's differences.
#include <gtest/gtest.h>

#include <algorithm>

#include "VmsmRig.h"

namespace pelmora::vmsm {
namespace {

using context::JobEnd;
using sim::Fault;
using test::VmsmRig;
using Keys = std::vector<std::string>;

bool Has(const Keys& log, const std::string& key) { return std::find(log.begin(), log.end(), key) != log.end(); }

const Keys kSwitchReads = {"read-switch-1", "read-switch-2", "read-switch-3", "read-switch-5",
                           "read-switch-6", "read-switch-7", "read-switch-8"};
const Keys kSerialReads = {"read-serial-1", "read-serial-2", "read-serial-3", "read-serial-4"};
const Keys kSentinelReads = {"read-sentinels-1", "read-sentinels-2", "read-sentinels-3"};
const Keys kBtReads = {"read-switch-P", "read-bt-c", "read-bt-d", "read-bt-k", "read-bt-s"};
const Keys kSentinelWrites = {"write-start-sentinel-1", "write-end-sentinel-1", "write-start-sentinel-2",
                              "write-end-sentinel-2", "write-start-sentinel-3", "write-end-sentinel-3"};

Keys Join(std::initializer_list<Keys> parts) {
    Keys all;
    for (const Keys& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(VmsmJob, GetStatusReadsEverythingInOrder) {
    struct Case {
        std::uint8_t versionDay;  // picks the firmware through the version text
        std::uint32_t firmware;
        Keys reads;
    };
    const Case cases[] = {
        {'2', 160902, Join({{"model", "version"}, kSwitchReads, {"read-tearoff"}, kSerialReads, kSentinelReads, kBtReads})},
        {'1', 101001, Join({{"model", "version"}, kSwitchReads, kSerialReads, kSentinelReads, kBtReads})},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.printer.identity.versionText = k.firmware == 160902 ? "V1.00 090216" : "V1.00 123115";
        rig.held().switches[6] = 200;
        rig.held().btDeviceName = "Shop 1";
        const auto job = rig.Run(VmsmJob::GetStatus);
        EXPECT_EQ(job.end, JobEnd::Ok) << job.message;
        EXPECT_EQ(job.phases, (std::vector<int>{1000, 101, 9999}));
        EXPECT_EQ(job.delays, (std::vector<std::uint32_t>{100, 100, 100}));
        EXPECT_EQ(rig.util.FirmwareVersion, k.firmware);
        EXPECT_EQ(rig.TakeLog(), k.reads) << k.firmware;
        EXPECT_EQ(rig.engine.record.TimeSave, 200u);
        EXPECT_EQ(rig.engine.record.BtDeviceName, "Shop 1");
        EXPECT_EQ(rig.view.titles, Keys{"Virtual Memory Switch Manager"});
        EXPECT_EQ(rig.view.labels.front(), "0 %");
        EXPECT_EQ(rig.view.labels.back(), "Get status : 100 %");
        EXPECT_EQ(*std::max_element(rig.view.positions.begin(), rig.view.positions.end()), 100)
            << "more than 100 steps stop the bar at 100";
        EXPECT_TRUE(rig.util.link.IsOpen()) << "the caller closes the link";
    }
}

TEST(VmsmJob, ReadConditionsOnFirmwareAndMsrMode) {
    struct Case {
        std::uint32_t v;
        std::uint8_t m;
        int phase;
        Keys present;
        Keys absent;
    };
    const Case cases[] = {
        {11060, '9', 101, {"read-switch-3", "read-switch-8"}, {"read-switch-7", "read-sentinels-1", "read-bt-c", "read-tearoff"}},
        {1039, '9', 101, {"read-switch-7"}, {"read-switch-3"}},
        {21021, '9', 201, {"codepage", "msr", "read-switch-legacy-7", "read-serial-legacy-4", "read-sentinels-3"},
         {"read-switch-1", "read-serial-1", "read-bt-c", "read-tearoff", "read-switch-P"}},
        {21021, 'P', 201, {"read-switch-legacy-6", "read-switch-legacy-8"}, {"read-switch-legacy-7"}},
        {21000, '9', 201, {"read-switch-legacy-1"}, {"read-sentinels-1"}},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect(k.v, k.m);
        const auto job = rig.Run(VmsmJob::GetStatus, Variant::Desktop, k.phase);
        EXPECT_EQ(job.end, JobEnd::Ok) << k.v << " " << job.message;
        EXPECT_EQ(job.phases, (std::vector<int>{k.phase, 9999}));
        const Keys log = rig.TakeLog();
        for (const auto& key : k.present) EXPECT_TRUE(Has(log, key)) << k.v << ": " << key;
        for (const auto& key : k.absent) EXPECT_FALSE(Has(log, key)) << k.v << ": " << key;
    }
}

TEST(VmsmJob, SetStatusWritesInOrder) {
    struct Case {
        std::uint32_t v;
        std::uint8_t m;
        std::uint32_t btKeep;
        std::vector<int> phases;
        Keys writes;
    };
    const Keys standardSwitches = {"enter", "write-switch-1", "write-switch-2", "write-switch-3", "write-switch-5",
                                   "write-switch-6", "write-switch-7", "write-switch-8", "write-serial-1",
                                   "write-serial-2", "write-serial-3", "write-serial-4"};
    const Keys legacySwitches = {"enter-legacy", "write-switch-legacy", "write-switch-legacy-1",
                                 "write-switch-legacy-2", "write-switch-legacy-3", "write-switch-legacy-5",
                                 "write-switch-legacy-6", "write-switch-legacy-7", "write-switch-legacy-8",
                                 "write-serial-legacy", "end-legacy"};
    const Case cases[] = {
        {160902, '9', 0, {2000, 102, 9999},
         Join({standardSwitches, {"write-tearoff"}, kSentinelWrites, {"write-switch-P", "end", "write-bt"}})},
        {101001, '9', 1, {2000, 102, 9999}, Join({standardSwitches, kSentinelWrites, {"write-switch-P", "end"}})},
        {21021, '9', 0, {2000, 202, 9999}, Join({legacySwitches, kSentinelWrites, {"write-bt"}})},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect(k.v, k.m);
        rig.engine.record.BtKeep = k.btKeep;
        rig.engine.record.Density = 7;
        const auto job = rig.Run(VmsmJob::SetStatus);
        EXPECT_EQ(job.end, JobEnd::Ok) << job.message;
        EXPECT_EQ(job.phases, k.phases) << k.v;
        EXPECT_EQ(rig.TakeLog(), k.writes) << k.v;
        EXPECT_EQ(rig.held().Switch(1) & 7, 7) << k.v;
        EXPECT_FALSE(rig.config().inSettingMode());
    }
}

TEST(VmsmJob, WriteConditions) {
    struct Case {
        std::uint32_t v;
        std::uint8_t m;
        Keys absent;
    };
    const Case cases[] = {
        {11060, '9', {"write-switch-7", "write-start-sentinel-1", "write-switch-P", "write-tearoff"}},
        {1039, '9', {"write-switch-3"}},
        {21021, 'P', {"write-switch-legacy-7"}},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect(k.v, k.m);
        rig.engine.record.BtKeep = 1;
        EXPECT_EQ(rig.Run(VmsmJob::SetStatus).end, JobEnd::Ok);
        const Keys log = rig.TakeLog();
        for (const auto& key : k.absent) EXPECT_FALSE(Has(log, key)) << k.v << ": " << key;
        EXPECT_FALSE(Has(log, "write-bt"));
    }
}

TEST(VmsmJob, BluetoothAfterTheEndCommandRunsDownTheArmedTimer) {
    std::uint32_t delay[2];
    for (std::uint32_t keep : {0u, 1u}) {
        VmsmRig rig;
        rig.Connect(101001);
        rig.engine.record.BtKeep = keep;
        const auto job = rig.Run(VmsmJob::SetStatus);
        ASSERT_EQ(job.phases.back(), 9999);
        delay[keep] = job.delays.back();
        const Keys log = rig.TakeLog();
        EXPECT_EQ(log.back(), keep ? "end" : "write-bt");
    }
    EXPECT_EQ(delay[1], 1000u) << "BtKeep 1: the phase ends right after the end command";
    EXPECT_EQ(delay[0], 0u) << "the Bluetooth slow step outlasts the 1000 ms timer";
}

TEST(VmsmJob, ShortJobsCompleteTheBar) {
    VmsmRig rig;
    rig.Connect(21021);
    const auto job = rig.Run(VmsmJob::GetStatus, Variant::Desktop, 201);
    ASSERT_EQ(job.end, JobEnd::Ok);
    EXPECT_EQ(rig.view.positions.back(), 100);
    EXPECT_EQ(rig.view.labels.back(), "Completed....: 100 %");
}

TEST(VmsmJob, FailuresEndTheJobWithTheirMessage) {
    struct Case {
        VmsmJob job;
        const char* key;
        Fault fault;
        const char* message;
        bool linkOpen;
    };
    const Case cases[] = {
        {VmsmJob::GetStatus, "model", Fault::WrongHeader, "Printer model is not matched!", false},
        {VmsmJob::GetStatus, "version", Fault::Silent, "Failed to get printer version!", false},
        {VmsmJob::GetStatus, "read-switch-2", Fault::Silent, "Failed to read SW2 data!", false},
        {VmsmJob::GetStatus, "read-switch-8", Fault::WrongHeader, "Failed to read SW8 data!", false},
        {VmsmJob::GetStatus, "read-tearoff", Fault::WrongHeader, "Failed to get tear off position!", false},
        {VmsmJob::GetStatus, "read-serial-3", Fault::CutShort, "Failed to read IFSW3 data!", false},
        {VmsmJob::GetStatus, "read-switch-P", Fault::Silent, "Failed to read RF Interface!", true},
        {VmsmJob::GetStatus, "read-bt-s", Fault::WrongHeader, "Failed to read Bluetooth encryption infomation!", false},
        {VmsmJob::SetStatus, "enter", Fault::Silent, "Failed to set initial command!", false},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect();
        rig.printer.faults.perCommand[k.key] = k.fault;
        const auto job = rig.Run(k.job);
        EXPECT_EQ(job.end, JobEnd::Cancel) << k.key;
        EXPECT_EQ(job.message, k.message) << k.key;
        EXPECT_EQ(rig.util.link.IsOpen(), k.linkOpen) << k.key;
        EXPECT_NE(job.phases.back(), 9999) << k.key;
    }
}

TEST(VmsmJob, ModelMismatchEndsAfterOneStepOfFive) {
    VmsmRig rig;
    rig.printer.identity.modelText = "MPT-Q800VII";
    const auto job = rig.Run(VmsmJob::GetStatus);
    EXPECT_EQ(job.message, "Printer model is not matched!");
    EXPECT_EQ(rig.view.positions.back(), 5);
    EXPECT_EQ(rig.view.labels.back(), "Get status : 5 %");
}

TEST(VmsmJob, PortThatWillNotOpen) {
    VmsmRig rig;
    rig.util.link.baudRate = 9101;  // nothing listens there
    const auto job = rig.Run(VmsmJob::SetStatus);
    EXPECT_EQ(job.message, "Port open error!");
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST(VmsmJob, FactoryDefaultOnAnotherModelFailsAfterFiveSeconds) {
    VmsmRig rig;
    rig.Connect();
    rig.util.ModelCode = 700;
    const auto start = rig.Now();
    const auto job = rig.Run(VmsmJob::FactoryDefault);
    EXPECT_EQ(job.message, "Failed to set factory default!");
    EXPECT_GE(rig.Now() - start, 5000u);
    EXPECT_LT(rig.Now() - start, 7000u);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST(VmsmJob, FactoryDefaultRestoresThePrinter) {
    VmsmRig rig;
    rig.Connect();
    rig.held().switches[5] = 90;
    const auto job = rig.Run(VmsmJob::FactoryDefault);
    EXPECT_EQ(job.end, JobEnd::Ok) << job.message;
    EXPECT_EQ(job.phases, (std::vector<int>{3000, 9999}));
    EXPECT_EQ(rig.held().Switch(5), 15);
}

TEST(VmsmJob, CancelTakesEffectBetweenPhases) {
    VmsmRig rig;
    VmsmJobRunner runner(rig.engine, rig.view, VmsmJob::GetStatus);
    auto next = runner.Open();
    ASSERT_TRUE(next);
    next = runner.RunPhase(next->phase);
    ASSERT_TRUE(next);
    rig.TakeLog();
    runner.Cancel();
    EXPECT_FALSE(runner.RunPhase(next->phase));
    EXPECT_EQ(runner.End(), JobEnd::Cancel);
    EXPECT_EQ(runner.Message(), "");
    EXPECT_TRUE(rig.TakeLog().empty());
}

TEST(VmsmJob, NoJobAndUnknownPhasesEndWithCancel) {
    VmsmRig rig;
    VmsmJobRunner none(rig.engine, rig.view, VmsmJob::None);
    EXPECT_FALSE(none.Open());
    EXPECT_EQ(none.End(), JobEnd::Cancel);
    VmsmJobRunner odd(rig.engine, rig.view, VmsmJob::GetStatus);
    ASSERT_TRUE(odd.Open());
    EXPECT_FALSE(odd.RunPhase(4242));
    EXPECT_EQ(odd.End(), JobEnd::Cancel);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST(VmsmJob, HandheldGetStatus) {
    VmsmRig rig;
    rig.util.link.HandheldMode = 1;
    const auto job = rig.Run(VmsmJob::GetStatus, Variant::Handheld);
    ASSERT_EQ(job.end, JobEnd::Ok) << job.message;
    const Keys want = Join({{"model", "version", "codepage", "msr"}, kSwitchReads, {"read-tearoff", "read-switch-Q"},
                            kSerialReads, kSentinelReads, kBtReads});
    EXPECT_EQ(rig.TakeLog(), want);
    EXPECT_EQ(rig.view.titles, Keys{"Get Status..."});
    EXPECT_EQ(rig.view.labels.front(), "Processing...");
    EXPECT_GT(rig.view.positions.back(), 100) << "the handheld's bar does not stop at 100";
    EXPECT_EQ(rig.view.labels.back(), "Get Status : " + std::to_string(rig.view.positions.back()) + " %");
}

TEST(VmsmJob, HandheldSetStatusOrders) {
    struct Case {
        std::uint32_t v;
        Keys tail;  ///< what follows the switch writes
    };
    const Case cases[] = {
        {101001, Join({{"write-serial-1", "write-switch-Q", "write-serial-2", "write-serial-3", "write-serial-4"},
                       kSentinelWrites, {"write-switch-P", "write-bt", "end"}})},
        {21021, Join({{"write-serial-legacy"}, kSentinelWrites, {"write-bt", "end-legacy"}})},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect(k.v);
        rig.engine.record.BtKeep = 0;
        const auto job = rig.Run(VmsmJob::SetStatus, Variant::Handheld);
        ASSERT_EQ(job.end, JobEnd::Ok) << job.message;
        const Keys log = rig.TakeLog();
        ASSERT_GE(log.size(), k.tail.size());
        EXPECT_EQ(Keys(log.end() - static_cast<std::ptrdiff_t>(k.tail.size()), log.end()), k.tail) << k.v;
        EXPECT_FALSE(Has(log, "write-tearoff"));
        EXPECT_EQ(rig.view.titles, Keys{"Set Status..."});
    }
}

TEST(VmsmJob, HandheldMessages) {
    struct Case {
        VmsmJob job;
        const char* key;
        Fault fault;
        const char* message;
    };
    const Case cases[] = {
        {VmsmJob::GetStatus, "model", Fault::WrongHeader, "Printer Model name not matched...!!"},
        {VmsmJob::GetStatus, "msr", Fault::WrongHeader, "Failed to get MSR Mode..!!"},
        {VmsmJob::GetStatus, "read-switch-Q", Fault::WrongHeader, "Failed to read SW51 data!"},
        {VmsmJob::GetStatus, "read-bt-k", Fault::Silent, "Failed to read Bluetooth pin code!!"},
        {VmsmJob::SetStatus, "enter", Fault::Silent, "Failed to set Init command..!!"},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect();
        rig.printer.faults.perCommand[k.key] = k.fault;
        EXPECT_EQ(rig.Run(k.job, Variant::Handheld).message, k.message) << k.key;
    }
}

TEST(VmsmJob, HandheldLegacyCompletionLine) {
    VmsmRig rig;
    rig.Connect(21021);
    ASSERT_EQ(rig.Run(VmsmJob::GetStatus, Variant::Handheld, 201).end, JobEnd::Ok);
    EXPECT_EQ(rig.view.labels.back(), "Completed..: 100 %");
}

}  // namespace
}  // namespace pelmora::vmsm
