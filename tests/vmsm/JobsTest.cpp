// The jobs on virtual time against the virtual printer: phase paths, conditions,
// progress, failures, the handheld's differences, and the flow around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "VmsmRig.h"
#include "context/ResultCode.h"
#include "vmsm/ConfigJobFlow.h"

namespace pelmora::vmsm {
namespace {

using context::JobEnd;
using enum sim::Fault;
using VmsmJob::GetStatus, VmsmJob::SetStatus, VmsmJob::FactoryDefault;
using test::VmsmRig;
using Keys = std::vector<std::string>;
constexpr auto D = context::Layout::Desktop, HH = context::Layout::Handheld;

bool Has(const Keys& log, const std::string& key) { return std::ranges::find(log, key) != log.end(); }

Keys Join(std::initializer_list<Keys> parts) {
    Keys all;
    for (const Keys& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Seq("read-bt-", "cd") -> read-bt-c, read-bt-d
Keys Seq(const std::string& stem, std::string_view ids) {
    Keys keys;
    for (char id : ids) keys.push_back(stem + id);
    return keys;
}

const Keys kSwitchReads = Seq("read-switch-", "1235678"), kSerialReads = Seq("read-serial-", "1234");
const Keys kSentinelReads = Seq("read-sentinels-", "123"), kBtReads = Join({{"read-switch-P"}, Seq("read-bt-", "cdks")});
const Keys kSwitchWrites = Join({{"enter"}, Seq("write-switch-", "1235678")});
const Keys kLegacySwitchWrites = Join({{"enter-legacy", "write-switch-legacy"}, Seq("write-switch-legacy-", "1235678")});
const Keys kSentinelWrites = {"write-start-sentinel-1", "write-end-sentinel-1", "write-start-sentinel-2",
                              "write-end-sentinel-2", "write-start-sentinel-3", "write-end-sentinel-3"};

// What the printer holds, and how it decodes.
void HoldSettings(VmsmRig& rig) {
    auto& held = rig.held();
    held.switches[1] = 0b00011101; held.switches[2] = 0b01000100; held.switches[8] = 0b00011110;
    held.serial = {"9600", "1", "2", "7"};  // flow control off the record's default 1, parity apart from it
    held.switches[6] = 200; held.switches['P'] = 0b01; held.tearOff = 256;
    held.btConnMode = '3'; held.btPinCode = "0000"; held.btDeviceName = "Shop 1";
    held.startSentinel[1] = ";"; held.endSentinel[1] = "";
}
void ExpectDecoded(const PrinterConfig& r, bool legacy) {
    EXPECT_EQ(std::tie(r.Speed, r.CharMode, r.Density, r.CodePage, r.FontType), std::tuple(1u, 1u, 5u, 40u, legacy ? 1u : 2u)) << legacy;
    EXPECT_EQ(std::tie(r.Baudrate, r.Parity, r.Flowcontrol, r.Databit), std::tuple(9600u, 1u, 2u, 7u)) << legacy;
}

// The handheld asks for the code page and MSR mode first, reads switch Q, and
// its bar counts every step past 100.
TEST(VmsmJob, GetStatusReadsEverythingInOrder) {
    struct Case { context::Layout variant; std::uint32_t v; std::uint64_t ms; Keys first, tearOff;
                  const char *title, *firstLabel, *lastLabel; };
    const Case cases[] = {
        {D, 160902, 3730, {"model", "version"}, {"read-tearoff"}, "Virtual Memory Switch Manager", "0 %", "Get status : 100 %"},
        {D, 101001, 3560, {"model", "version"}, {}, "Virtual Memory Switch Manager", "0 %", "Get status : 100 %"},
        {HH, 160902, 5278, {"model", "version", "codepage", "msr"}, {"read-tearoff", "read-switch-Q"}, "Get Status...",
         "Processing...", "Get Status : 119 %"},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.util.link().setLayout(k.variant);
        rig.printer.identity.versionText = k.v == 160902 ? "V1.00 090216" : "V1.00 123115";
        HoldSettings(rig);
        rig.engine.editRecord().EndSentinel[1] = "stale";  // an empty end text must replace it
        const auto job = rig.Run(GetStatus, k.variant);
        ASSERT_EQ(job.end, JobEnd::Ok) << job.message;
        // Every pause, step and timer, each exchange on the line.
        EXPECT_EQ(std::tuple(job.ms, rig.util.firmwareVersion()), std::tuple(k.ms, k.v));
        EXPECT_EQ(std::tie(job.phases, job.delays), std::tuple(std::vector{1000, 101, 9999}, std::vector{100u, 100u, 100u}));
        EXPECT_EQ(rig.TakeLog(), Join({k.first, kSwitchReads, k.tearOff, kSerialReads, kSentinelReads, kBtReads})) << k.v;
        const PrinterConfig& r = rig.engine.record();
        ExpectDecoded(r, false);
        EXPECT_EQ(std::tie(r.TimeSave, r.RfInterface, r.BtConnMode, r.CuttingPosition),
                  std::tuple(200u, 1u, 2u, k.v == 160902 ? 256u : 0u)) << k.v;
        EXPECT_EQ(std::tie(r.BtPinCode, r.BtDeviceName, r.StartSentinel[1], r.EndSentinel[1]), std::tuple("0000", "Shop 1", ";", ""));
        EXPECT_EQ(std::tie(rig.view.titles, rig.view.labels.front(), rig.view.labels.back()),
                  std::tuple(Keys{k.title}, k.firstLabel, k.lastLabel));
    }
}

// lastDelay: Bluetooth sent after the end command outlasts the timer armed
// for 1000 ms; with BtKeep 1 the phase ends right after the end command.
TEST(VmsmJob, SetStatusWritesInOrder) {
    struct Case { context::Layout variant; std::uint32_t v, btKeep; int phase; Keys log; std::uint32_t lastDelay; std::uint64_t ms; };
    const Keys serials = Seq("write-serial-", "1234");
    const Case cases[] = {
        {D, 160902, 0, 102, Join({kSwitchWrites, serials, {"write-tearoff"}, kSentinelWrites,
                                  {"write-switch-P", "end", "write-bt"}}), 0, 7900},
        {D, 101001, 1, 102, Join({kSwitchWrites, serials, kSentinelWrites, {"write-switch-P", "end"}}), 1000, 5410},
        {D, 21021, 0, 202, Join({kLegacySwitchWrites, {"write-serial-legacy", "end-legacy"}, kSentinelWrites, {"write-bt"}}), 1000, 2572},
        {HH, 101001, 0, 102, Join({kSwitchWrites, {"write-serial-1", "write-switch-Q"}, Seq("write-serial-", "234"),
                                   kSentinelWrites, {"write-switch-P", "write-bt", "end"}}), 1000, 13902},
        {HH, 21021, 0, 202, Join({kLegacySwitchWrites, {"write-serial-legacy"}, kSentinelWrites, {"write-bt", "end-legacy"}}), 1000, 5772},
    };
    for (const Case& k : cases) {
        VmsmRig rig(k.v);
        PrinterConfig& r = rig.engine.editRecord();
        r.Density = 6; r.TimeOff = 30; r.Msr = 3; r.BeepPaper = 1; r.BtKeep = k.btKeep;
        r.Baudrate = 9600; r.Parity = 1; r.Flowcontrol = 2; r.Databit = 7;
        const auto job = rig.Run(SetStatus, k.variant);
        ASSERT_EQ(job.end, JobEnd::Ok) << job.message;
        EXPECT_EQ(std::tuple(job.ms, job.phases, job.delays.back()), std::tuple(k.ms, std::vector{2000, k.phase, 9999}, k.lastDelay)) << k.v;
        EXPECT_EQ(rig.TakeLog(), k.log) << k.v;
        EXPECT_EQ(rig.view.titles, Keys{k.variant == D ? "Virtual Memory Switch Manager" : "Set Status..."});
        const auto& held = rig.held();
        EXPECT_EQ(std::tuple(held.Switch(1) & 0x07, held.Switch(5) & 0x7F, held.Switch(7) >> 4, held.Switch(8)),
                  std::tuple(6, 30, 4, 0x04)) << k.v;
        EXPECT_EQ(held.Switch(3), 0x01) << "switch 3 is written with every bit unchanged";
        EXPECT_EQ(std::tuple(held.serial, rig.config().inSettingMode()),
                  std::tuple(std::array<std::string, 4>{"9600", "1", "2", "7"}, false)) << k.v;
    }
}

// A printer left in setting mode holds it until switched off: a write stopped
// anywhere, in either dialect, still sends the end command, and only once.
TEST(VmsmJob, AStoppedWriteLeavesSettingModeOnce) {
    struct Case { context::Layout variant; std::uint32_t v; std::string stopBefore, end; };
    const Case cases[] = {{D, 160902, "write-switch-3", "end"}, {D, 160902, "write-bt", "end"},
                          {HH, 21021, "write-serial-legacy", "end-legacy"}, {HH, 21021, "end-legacy", "end-legacy"}};
    for (const Case& k : cases) {
        const Keys full = [&k] { VmsmRig rig(k.v); rig.Run(SetStatus, k.variant); return rig.TakeLog(); }();
        const auto stopAt = static_cast<std::size_t>(std::ranges::find(full, k.stopBefore) - full.begin());
        VmsmRig rig(k.v);
        const std::size_t before = rig.printer.commandLog().size();
        bool stopped = false;
        rig.platform.config().beforeWrite = [&](int) {
            if (stopped || rig.printer.commandLog().size() - before != stopAt) return;
            stopped = true;
            rig.util.link().stopRequest().Request();
        };
        const auto job = rig.Run(SetStatus, k.variant);
        const Keys log = rig.TakeLog();
        EXPECT_EQ(std::tuple(job.end, std::ranges::count(log, k.end), rig.config().inSettingMode()),
                  std::tuple(JobEnd::Cancel, 1, false)) << k.stopBefore;
    }
}

TEST(VmsmJob, ConditionsOnFirmwareAndMsrMode) {
    struct Case { VmsmJob job; std::uint32_t v; std::uint8_t m; int phase; Keys present, absent; };
    const Case cases[] = {
        {GetStatus, 11060, '9', 101, {"read-switch-3", "read-switch-8"}, {"read-switch-7", "read-sentinels-1", "read-bt-c", "read-tearoff"}},
        {GetStatus, 1039, '9', 101, {"read-switch-7"}, {"read-switch-3"}},
        {GetStatus, 21021, '9', 201, {"codepage", "msr", "read-switch-legacy-7", "read-serial-legacy-4", "read-sentinels-3"},
         {"read-switch-1", "read-serial-1", "read-bt-c", "read-tearoff", "read-switch-P"}},
        {GetStatus, 21021, 'P', 201, {"read-switch-legacy-6", "read-switch-legacy-8"}, {"read-switch-legacy-7"}},
        {GetStatus, 21000, '9', 201, {"read-switch-legacy-1"}, {"read-sentinels-1"}},
        {SetStatus, 11060, '9', 102, {"write-switch-8"},
         {"write-switch-7", "write-start-sentinel-1", "write-switch-P", "write-tearoff", "write-bt"}},
        {SetStatus, 1039, '9', 102, {"write-switch-7"}, {"write-switch-3", "write-bt"}},
        {SetStatus, 21021, 'P', 202, {"write-switch-legacy-8"}, {"write-switch-legacy-7", "write-bt"}},
    };
    for (const Case& k : cases) {
        VmsmRig rig(k.v, k.m);
        rig.engine.editRecord().BtKeep = 1;
        const auto job = rig.Run(k.job, D, k.phase);
        EXPECT_EQ(std::tuple(job.end, job.phases), std::tuple(JobEnd::Ok, std::vector<int>{k.phase, 9999})) << k.v << " " << job.message;
        const Keys log = rig.TakeLog();
        for (const auto& key : k.present) EXPECT_TRUE(Has(log, key)) << k.v << ": " << key;
        for (const auto& key : k.absent) EXPECT_FALSE(Has(log, key)) << k.v << ": " << key;
    }
}

// The legacy read is short: completion brings the bar to 100.
TEST(VmsmJob, LegacyGetStatusDecodesAndCompletesTheBar) {
    for (auto [variant, label] : {std::pair{D, "Completed....: 100 %"}, std::pair{HH, "Completed..: 100 %"}}) {
        VmsmRig rig(21021);
        HoldSettings(rig);
        const auto job = rig.Run(GetStatus, variant, 201);
        ASSERT_EQ(job.end, JobEnd::Ok);
        EXPECT_EQ(std::tuple(job.delays, job.ms), std::tuple(std::vector<std::uint32_t>{100, 100}, 2840u));
        ExpectDecoded(rig.engine.record(), true);
        // Each track's texts land in that track's place.
        const PrinterConfig& r = rig.engine.record();
        EXPECT_EQ(std::tie(r.StartSentinel, r.EndSentinel), std::tie(rig.held().startSentinel, rig.held().endSentinel));
        EXPECT_EQ(std::tie(rig.view.positions.back(), rig.view.labels.back()), std::tuple(100, label));
    }
}

TEST(VmsmJob, FailuresEndTheJobWithTheirMessage) {
    struct Case { context::Layout variant; VmsmJob job; const char* key; sim::Fault fault; const char* message; bool open; };
    const Case cases[] = {
        {D, GetStatus, "model", WrongHeader, "Printer model is not matched!\r\nThe printer's reply \"`MPT-Q700VII\" names no model.", false},
        {D, GetStatus, "model", Silent, "Printer model is not matched!\r\nNo reply came within 12.2 s.", false},
        {D, GetStatus, "version", Silent, "Failed to get printer version!", false},
        {D, GetStatus, "read-switch-2", Silent, "Failed to read SW2 data!", false},
        {D, GetStatus, "read-switch-8", WrongHeader, "Failed to read SW8 data!", false},
        {D, GetStatus, "read-tearoff", WrongHeader, "Failed to get tear off position!", false},
        {D, GetStatus, "read-serial-3", CutShort, "Failed to read IFSW3 data!", false},
        {D, GetStatus, "read-switch-P", Silent, "Failed to read RF Interface!", true},
        {D, GetStatus, "read-bt-s", WrongHeader, "Failed to read Bluetooth encryption infomation!", false},
        {HH, GetStatus, "model", WrongHeader,
         "Printer Model name not matched...!!\r\nThe printer's reply \"`MPT-Q700VII\" names no model.", false},
        {HH, GetStatus, "msr", WrongHeader, "Failed to get MSR Mode..!!", false},
        {HH, GetStatus, "read-switch-Q", WrongHeader, "Failed to read SW51 data!", false},
        {HH, GetStatus, "read-bt-k", Silent, "Failed to read Bluetooth pin code!!", false},
    };
    for (const Case& k : cases) {
        VmsmRig rig(160902);
        rig.Fail(k.key, k.fault);
        const auto job = rig.Run(k.job, k.variant);
        EXPECT_EQ(std::tuple(job.end, job.message, rig.util.link().IsOpen(), job.phases.back() == 9999),
                  std::tuple(JobEnd::Cancel, k.message, k.open, false)) << k.key << " (9999: the end phase)";
    }

    VmsmRig other;
    other.printer.identity.modelText = "MPT-Q800VII";
    EXPECT_EQ(other.Run(GetStatus).message, "Printer model is not matched!\r\nThe printer reports the model \"MPT-Q800VII\".");
    EXPECT_EQ(std::tie(other.view.positions.back(), other.view.labels.back()), std::tuple(5, "Get status : 5 %"))
        << "one progress step of five";

    VmsmRig closed;
    closed.util.link().Configure(test::LoopbackTcp(9101));  // nothing listens there
    EXPECT_EQ(closed.Run(SetStatus).message, "Port open error!\r\n127.0.0.1:9101 refused the connection: nothing listens on that port (check the printer's address and port).");
    EXPECT_TRUE(closed.TakeReceived().empty());
}

// 5 steps, the block and its reply, 99 slow steps of 50 ms, then completion
// 100 ms later: every step, pause and timer on virtual time.
TEST(VmsmJob, FactoryDefaultResetsThePrinterAndCompletes) {
    for (auto [variant, ms, position] : {std::tuple{D, 5290u, 100}, std::tuple{HH, 5490u, 104}}) {
        VmsmRig rig(160902);
        rig.held().switches[1] = 0xFF;
        const auto job = rig.Run(FactoryDefault, variant);
        ASSERT_EQ(job.end, JobEnd::Ok) << job.message;
        EXPECT_EQ(std::tuple(job.phases, job.delays, job.ms, rig.view.positions.back(), rig.held().Switch(1)),
                  std::tuple(std::vector{3000, 9999}, std::vector{100u, 100u}, ms, position, sim::FactorySettings().Switch(1)));
    }
}

TEST(VmsmJob, FactoryDefaultOnAnotherModelFailsAfterFiveSeconds) {
    VmsmRig rig(160902);
    rig.util.identityForTest().modelCode = 700;
    const auto job = rig.Run(FactoryDefault);
    EXPECT_EQ(std::tuple(job.message, job.ms, rig.util.link().IsOpen()), std::tuple("Failed to set factory default!", 5510u, false));
    EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST(VmsmJob, CancelNoJobAndUnknownPhasesEndWithoutAMessage) {
    VmsmRig rig;
    VmsmJobRunner runner(rig.engine, rig.view, GetStatus);
    auto next = runner.Open();
    ASSERT_TRUE(next);
    next = runner.RunPhase(next->phase);
    ASSERT_TRUE(next);
    rig.TakeLog(), rig.TakeReceived();
    runner.Cancel();
    EXPECT_FALSE(runner.RunPhase(next->phase));
    EXPECT_EQ(std::tuple(runner.End(), runner.Message(), rig.TakeLog().empty()), std::tuple(JobEnd::Cancel, "", true));

    VmsmJobRunner none(rig.engine, rig.view, VmsmJob::None), odd(rig.engine, rig.view, GetStatus);
    EXPECT_FALSE(none.Open());
    ASSERT_TRUE(odd.Open());
    EXPECT_FALSE(odd.RunPhase(4242));
    EXPECT_EQ(std::tuple(none.End(), odd.End()), std::tuple(JobEnd::Cancel, JobEnd::Cancel));
    EXPECT_TRUE(rig.TakeReceived().empty());
}

// The flow around the runner on a 101001 printer with TimeOff 60 and a position
// kept in the store: what each end shows, stores and leaves open.
TEST(ConfigJobFlow, EveryEnd) {
    using enum EditChoice;
    using enum JobOutcome;
    struct Case { context::Layout variant; const char* key; sim::Fault fault; EditChoice choice; JobOutcome outcome; bool open;
                  int heldTimeOff; std::uint32_t storedTimeOff; const char* step; const char* message; const char* title; };
    const Case cases[] = {
        {D, "", None, Save, Written, false, 5, 5, "", "Success to set VMSM configuration! \r\nPlease reset printer power.", "Pelmora"},
        {D, "read-switch-6", Silent, Save, ReadFailed, false, 60, 0, "Failed to read SW6 data!", "Failed to read SW6 data!", "Pelmora"},
        {D, "", None, Cancel, NotWritten, false, 60, 0, "", "", ""}, {HH, "", None, Cancel, NotWritten, true, 60, 0, "", "", ""},
        {D, "enter", WrongHeader, Save, WriteFailed, false, 60, 0, "Failed to set initial command!",
         "Failed to save VMSM configuration!\r\nPlease check your printer state.", "Pelmora"},
        {HH, "enter", WrongHeader, Save, WriteFailed, false, 60, 0, "Failed to set Init command..!!",
         "Failed to save Virtual memory switch!!\r\nPlease Check your printer state", "Total Manager Utility"},
        {HH, "", None, Default, Written, false, 15, 60, "", "Success to Set VMSM!", "Pelmora"},  // stored as read
        {D, "", None, Save, WriteCancelled, false, 60, 0, "", kWriteCancelledNothingWritten, "Pelmora"},  // Cancel at once
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.printer.identity.versionText = "V1.00 123115";  // no tear-off read to replace the stored position
        rig.held().switches[5] = 60;
        rig.store.SetRegDword(context::ProductKey, "CuttingPosition", 99);
        rig.engine.editRecord().BtKeep = 1;
        rig.Fail(k.key, k.fault);
        int edits = 0;
        const auto edit = [&](MemorySwitchEngine& e) {
            ++edits;
            EXPECT_EQ(e.record().CuttingPosition, 99u) << "the stored record was loaded first";
            if (k.choice == Save) e.editRecord().TimeOff = 5;
            return k.choice;
        };
        int drives = 0;
        const auto drive = [&](context::JobRunner& r) {
            const bool cancel = ++drives == 2 && k.outcome == WriteCancelled;
            return context::DriveJob(r, rig.platform.clock(), [cancel] { return cancel; });
        };
        const JobReport report = RunConfigJob(rig.engine, ConfigJob{rig.store, rig.view, drive, edit, k.variant});
        const std::string what = std::string(k.message) + "/" + k.key;
        EXPECT_EQ(std::tuple(report.outcome, edits, rig.util.link().IsOpen()), std::tuple(k.outcome, k.outcome == ReadFailed ? 0 : 1, k.open))
            << what;
        EXPECT_EQ(std::tie(report.stepMessage, report.message, report.title), std::tie(k.step, k.message, k.title));
        EXPECT_EQ(rig.engine.record().TimeOff, edits && k.choice == Save ? 5u : 60u) << "the edited values stay in memory";
        std::uint32_t stored = 0;
        rig.store.GetRegDword(context::ProductKey, "TimeOff", stored);
        EXPECT_EQ(std::tuple(rig.held().Switch(5) & 0x7F, stored, rig.store.ValueNames(context::ProductKey).size()),
                  std::tuple(k.heldTimeOff, k.storedTimeOff, k.outcome == Written ? 19u : 1u)) << what;
    }
}

}  // namespace
}  // namespace pelmora::vmsm
