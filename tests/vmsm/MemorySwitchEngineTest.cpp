// The engine against the virtual printer: bytes on the wire, decoding, result codes and link state;
// and the four reply collectors under it on a scripted link: silence, resends and time limits.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "VmsmRig.h"
#include "context/ResultCode.h"
#include "vmsm/ReplyCollectors.h"

namespace pelmora::vmsm {
namespace {

using enum sim::Fault;
using test::H;
using test::ScriptedLink;
using test::VmsmRig;
using E = MemorySwitchEngine&;
using Op = int (*)(E);

// Without switch 7 the header must announce six records, or the printer takes
// the end command as the seventh.
TEST(Engine, LegacySwitchWriteWithoutSwitch7AnnouncesSixRecords) {
    VmsmRig rig(21021, 'P');
    rig.engine.editRecord().Density = 2;
    ASSERT_EQ(rig.engine.EnterSettingModeLegacy(), rc::Ok);
    rig.TakeReceived();
    for (std::uint8_t n : {1, 2, 3, 5, 6, 8}) ASSERT_EQ(rig.engine.WriteSwitchLegacy(n), rc::Ok);
    ASSERT_EQ(rig.engine.EndSettingModeLegacy(), rc::Ok);
    const auto sent = rig.TakeReceived();
    EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 6), H("08 5E 45 31 00 03"));
    EXPECT_EQ(std::tuple(sent.size(), rig.held().Switch(1) & 0x07, rig.config().inSettingMode()), std::tuple(6u + 6 * 8 + 6, 2, false))
        << "the end command was not swallowed as a record";
}

TEST(Engine, SentinelBluetoothAndRfWrites) {
    VmsmRig rig(101001);
    PrinterConfig& r = rig.engine.editRecord();
    r.StartSentinel[0] = "%"; r.EndSentinel[0] = ""; r.RfInterface = 2;
    r.BtSecurity = 0; r.BtConnMode = 2; r.BtPinCode = "1234"; r.BtDeviceName = "Till 3";
    EXPECT_EQ(rig.engine.WriteSentinels(1), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), H("08 4D 53 03 00 32 31 25 08 4D 53 03 00 33 31 00"));
    EXPECT_EQ(rig.engine.WriteBtSettings(), rc::Ok);
    ASSERT_EQ(rig.engine.EnterSettingMode(), rc::Ok);
    EXPECT_EQ(rig.engine.WriteRfInterface(), rc::Ok);  // its bits are SwitchMap's; switch P holds them below
    const auto& held = rig.held();
    EXPECT_EQ(std::tie(held.startSentinel[0], held.endSentinel[0], held.btPinCode, held.btDeviceName), std::tuple("%", "", "1234", "Till 3"));
    EXPECT_EQ(std::tuple(held.btConnMode, held.btSecurity, held.Switch('P')), std::tuple('3', '0', 0b10));
}

// The Bluetooth read takes one whole reply of at most 100 bytes: a name that
// fills it reads back; one more byte is no reply, and the record keeps its name.
TEST(Engine, BluetoothReplyOfAHundredBytesAtMost) {
    for (const std::size_t length : {96u, 97u}) {
        VmsmRig rig(101001);
        rig.held().btDeviceName = std::string(length, 'n');
        EXPECT_EQ(rig.engine.ReadBtItem('d'), length == 96 ? rc::Ok : rc::NoReply) << length;
        EXPECT_EQ(rig.engine.record().BtDeviceName, std::string(length == 96 ? 96 : 0, 'n')) << length;
    }
}

// Inputs the engine refuses send nothing and keep the link; a write cut short
// closes it, with nothing sent after the cut.
TEST(Engine, RefusalsAndCutShortWrites) {
    struct Case { const char* what; std::uint32_t v; int cutFrom; Op op; int code; std::size_t received; };
    const Case cases[] = {
        {"rf read below 101000", 100999, -1, [](E e) { return e.ReadRfInterface(); }, rc::NotSupported, 0},
        {"rf write below 101000", 100999, -1, [](E e) { return e.WriteRfInterface(); }, rc::NotSupported, 0},
        {"sentinel track 0", 101001, -1, [](E e) { return e.ReadSentinels(0); }, rc::NotSupported, 0},
        {"sentinel track 4", 101001, -1, [](E e) { return e.WriteSentinels(4); }, rc::NotSupported, 0},
        {"sentinel text of 11", 101001, -1, [](E e) { e.editRecord().StartSentinel[0] = std::string(11, 'A'); return e.WriteSentinels(1); },
         rc::NotSupported, 0},
        {"bluetooth texts over 93", 101001, -1, [](E e) {
             e.editRecord().BtPinCode = std::string(12, '1'), e.editRecord().BtDeviceName = std::string(82, 'n');
             return e.WriteBtSettings(); }, rc::NotSupported, 0},
        {"cut switch header", 101001, 0, [](E e) { return e.WriteSwitch(1); }, rc::ShortWrite, 5},
        {"cut rf record", 101001, 1, [](E e) { return e.WriteRfInterface(); }, rc::ShortWrite, 6 + 8},
    };
    for (const Case& k : cases) {
        VmsmRig rig(k.v);
        if (k.cutFrom >= 0) rig.platform.config().shortWritesFrom = rig.platform.writes() + k.cutFrom;
        const int code = k.op(rig.engine);
        EXPECT_EQ(std::tuple(code, rig.TakeReceived().size(), rig.util.link().IsOpen()),
                  std::tuple(k.code, k.received, k.code != rc::ShortWrite)) << k.what;
    }
}

TEST(Engine, ClosedLinkGives101ForEveryOperation) {
    VmsmRig rig(101001);
    rig.util.link().ClosePort();
    auto& e = rig.engine;
    const std::function<int()> ops[] = {
        [&] { return e.EnterSettingMode(); }, [&] { return e.EnterSettingModeLegacy(); }, [&] { return e.EndSettingMode(); },
        [&] { return e.EndSettingModeLegacy(); }, [&] { return e.ReadSwitch(1); }, [&] { return e.ReadSwitchLegacy(1); },
        [&] { return e.WriteSwitch(1); }, [&] { return e.WriteSwitchLegacy(1); }, [&] { return e.ReadSerialSetting(1); },
        [&] { return e.ReadSerialSettingLegacy(1); }, [&] { return e.WriteSerialSetting(1); }, [&] { return e.ReadTearOff(); },
        [&] { return e.WriteSerialSettingsLegacy(); }, [&] { return e.WriteTearOff(); }, [&] { return e.ReadRfInterface(); },
        [&] { return e.WriteRfInterface(); }, [&] { return e.ReadBtItem('c'); }, [&] { return e.WriteBtSettings(); },
        [&] { return e.ReadSentinels(1); }, [&] { return e.WriteSentinels(1); }, [&] { return e.SendFactoryDefault(); },
    };
    for (const auto& op : ops) EXPECT_EQ(op(), rc::NotOpen);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

// Faults on the reply of one command: the code, whether the link stays open,
// and that a failure stores nothing.
TEST(Engine, ReplyFaults) {
    struct Outcome { sim::Fault fault; int code; bool open; };
    struct Case { const char* key; Op op; std::vector<Outcome> outcomes; };
    const Case cases[] = {
        {"read-switch-2", [](E e) { return e.ReadSwitch(2); },
         {{Silent, rc::NoReply, 0}, {WrongHeader, rc::BadHeader, 0}, {CutShort, rc::NoReply, 0}, {Split, rc::Ok, 1}}},
        {"read-switch-legacy-2", [](E e) { return e.ReadSwitchLegacy(2); }, {{Unterminated, rc::NoReply, 0}, {WrongHeader, rc::BadHeader, 0}}},
        {"read-serial-1", [](E e) { return e.ReadSerialSetting(1); }, {{Silent, rc::BadHeader, 0}, {WrongHeader, rc::BadHeader, 0}}},
        {"read-serial-legacy-3", [](E e) { return e.ReadSerialSettingLegacy(3); }, {{Silent, rc::BadHeader, 0}}},
        {"read-tearoff", [](E e) { return e.ReadTearOff(); }, {{Silent, rc::BadHeader, 0}, {Split, rc::Ok, 1}}},
        {"read-switch-P", [](E e) { return e.ReadRfInterface(); }, {{Silent, rc::RfNoData, 1}, {CutShort, rc::RfNoData, 1}}},
        {"read-bt-d", [](E e) { return e.ReadBtItem('d'); },
         {{WrongHeader, rc::NoReply, 0}, {Silent, rc::NoReply, 0}, {Unterminated, rc::NoReply, 0}}},
        {"read-sentinels-1", [](E e) { return e.ReadSentinels(1); },
         {{Silent, rc::NoReply, 0}, {WrongHeader, rc::BadHeader, 0}, {CutShort, rc::NoReply, 0},
          {Unterminated, rc::NoReply, 0}, {Split, rc::Ok, 1}}},
        {"enter", [](E e) { return e.EnterSettingMode(); }, {{Silent, rc::NoReply, 0}, {WrongHeader, rc::BadHeader, 0}}},
        {"enter-legacy", [](E e) { return e.EnterSettingModeLegacy(); }, {{WrongHeader, rc::NoReply, 0}}},
    };
    for (const Case& k : cases) {
        for (const Outcome& o : k.outcomes) {
            VmsmRig rig(101001);
            rig.Fail(k.key, o.fault);
            const PrinterConfig before = rig.engine.record();
            const int code = k.op(rig.engine);
            EXPECT_EQ(std::tuple(code, rig.util.link().IsOpen()), std::tuple(o.code, o.open))
                << k.key << " fault " << static_cast<int>(o.fault);
            EXPECT_TRUE(code == rc::Ok || rig.engine.record() == before) << "a failure stores nothing: " << k.key;
        }
    }
}

// Noise before the terminator is borne up to twelve bytes in all.
TEST(Engine, TearOffReplyEndsWithinTwelveBytes) {
    for (const auto& [reply, code] : {std::pair{"37 35 30 1F 80 02 41 41 41 41 41 00", rc::Ok},
                                      {"37 35 30 1F 80 02 41 41 41 41 41 41 00", rc::NoReply}}) {
        ScriptedLink wire({H(reply)});
        context::PrinterContext util(wire);
        util.link().Configure({link::PortTcp, "NET127.0.0.1", 9100, 8, 0, 0, 0});
        ASSERT_TRUE(util.link().OpenPort());
        MemorySwitchEngine engine(util);
        EXPECT_EQ(engine.ReadTearOff(), code) << reply;
        EXPECT_EQ(engine.record().CuttingPosition, code == rc::Ok ? 640u : 0u) << reply;
    }
}

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

// Silence resends the request from the third silent read on, ten times at most.
TEST(ResendCollector, SilenceBoundsAndValueBytes) {
    struct Case { ResendCollector collector; std::deque<std::vector<std::uint8_t>> script; const char* want; std::size_t resends; };
    const Case cases[] = {
        {{11, 11, 0, OnSilence::Keep}, {}, nullptr, 10},  // never an answer
        {{100, 100, 0, OnSilence::Keep}, {H("37 33"), {}, H("31 1F 39 00")}, "37 33 31 1F 39 00", 0},  // kept across silence
        {{100, 100, 0, OnSilence::Keep}, {H("37 33"), {}, {}, {}, H("37 33 31 1F 39 00")}, "37 33 31 1F 39 00", 1},  // dropped at the resend
        {{11, 11, 0, OnSilence::Keep}, {{}, {}, {}, H("37 21 30 30 30 30 30 30 30 31 00")}, "37 21 30 30 30 30 30 30 30 31 00", 1},  // taken
        // the switch reader drops at every silent read; the Bluetooth reader takes only a whole reply in one read
        {{100, 100, 0, OnSilence::Discard}, {H("37 21 30"), {}, H("37 21 30 30 30 30 30 30 30 30 00")}, "37 21 30 30 30 30 30 30 30 30 00", 0},
        {{100, 100, 0, OnSilence::WholeReadOnly}, {H("37 42 63"), H("37 42 63 32 00")}, "37 42 63 32 00", 0},
        // at most twelve bytes are kept; the tear-off value bytes 00 00 do not end it
        {{100, 12, 0, OnSilence::Keep}, {H("37 33 31 1F 31 31 35 32 30 30 30 30 30 30 00")}, "37 33 31 1F 31 31 35 32 30 30 30 30", 0},
        {{100, 12, 6, OnSilence::Keep}, {H("37 35 30 1F 00 00 00")}, "37 35 30 1F 00 00 00", 0},
    };
    for (const Case& k : cases) {
        ScriptedLink s(k.script);
        const auto got = CollectWithResend(s.link, kRequest, k.collector);
        EXPECT_EQ(std::tuple(got.complete, got.bytes, s.writes),
                  std::tuple(k.want != nullptr, H(k.want ? k.want : ""), std::vector(k.resends, kRequest)));
    }
}

TEST(TimedCollector, EndsAtNulOrTwoSecondsAfterTheRequest) {
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
    const auto got = CollectUntilNul(longer.link, longer.clock().TickCount(), {11, 2000});
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
