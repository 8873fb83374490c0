// The engine against the virtual printer: bytes on the wire, decoding, result codes and link state.
#include <gtest/gtest.h>

#include <functional>

#include "VmsmRig.h"
#include "context/ResultCode.h"
#include "vmsm/VmsmCommands.h"

namespace pelmora::vmsm {
namespace {

using sim::Fault;
using test::H;
using test::VmsmRig;

TEST(Engine, ReadsDecodeWhatThePrinterHolds) {
    for (std::uint32_t v : {160902u, 21021u}) {
        VmsmRig rig;
        rig.Connect(v);
        auto& held = rig.held();
        held.switches[1] = 0b00011101;
        held.switches[2] = 0b01000100;
        held.switches[8] = 0b00011110;
        held.serial = {"9600", "2", "1", "7"};
        const bool legacy = v == 21021;
        for (std::uint8_t n : {1, 2, 8})
            ASSERT_EQ(legacy ? rig.engine.ReadSwitchLegacy(n) : rig.engine.ReadSwitch(n), rc::Ok) << int(n);
        for (std::uint8_t k = 1; k <= 4; ++k)
            ASSERT_EQ(legacy ? rig.engine.ReadSerialSettingLegacy(k) : rig.engine.ReadSerialSetting(k), rc::Ok);
        const PrinterConfig& r = rig.engine.record;
        EXPECT_EQ(r.Speed, 1u);
        EXPECT_EQ(r.CharMode, 1u);
        EXPECT_EQ(r.Density, 5u);
        EXPECT_EQ(r.CodePage, 40u) << v;
        EXPECT_EQ(r.FontType, legacy ? 1u : 2u) << v;
        EXPECT_EQ(r.Baudrate, 9600u);
        EXPECT_EQ(r.Parity, 2u);
        EXPECT_EQ(r.Flowcontrol, 1u);
        EXPECT_EQ(r.Databit, 7u);
        EXPECT_TRUE(rig.util.link.IsOpen());
    }
}

TEST(Engine, ReadingSwitch3ChangesNothing) {
    VmsmRig rig;
    rig.Connect();
    rig.held().switches[3] = 0xFF;
    const PrinterConfig before = rig.engine.record;
    EXPECT_EQ(rig.engine.ReadSwitch(3), rc::Ok);
    EXPECT_EQ(rig.engine.record, before);
    EXPECT_EQ(rig.TakeReceived(), H("1D 28 45 02 00 04 03"));
}

TEST(Engine, TearOffRfBluetoothAndSentinelReads) {
    VmsmRig rig;
    rig.Connect(160902);
    rig.held().tearOff = 256;
    rig.held().switches['P'] = 0b00000001;
    rig.held().btPinCode = "0000";
    rig.held().btConnMode = '3';
    rig.held().startSentinel[1] = ";";
    rig.held().endSentinel[1] = "";
    EXPECT_EQ(rig.engine.ReadTearOff(), rc::Ok);
    EXPECT_EQ(rig.engine.ReadRfInterface(), rc::Ok);
    EXPECT_EQ(rig.engine.ReadBtItem('k'), rc::Ok);
    EXPECT_EQ(rig.engine.ReadBtItem('c'), rc::Ok);
    EXPECT_EQ(rig.engine.ReadSentinels(2), rc::Ok);
    const PrinterConfig& r = rig.engine.record;
    EXPECT_EQ(r.CuttingPosition, 256u);
    EXPECT_EQ(r.RfInterface, 1u);
    EXPECT_EQ(r.BtPinCode, "0000");
    EXPECT_EQ(r.BtConnMode, 2u);
    EXPECT_EQ(r.StartSentinel[1], ";");
    EXPECT_EQ(r.EndSentinel[1], "");
}

TEST(Engine, WritesReachThePrinterInBothDialects) {
    for (std::uint32_t v : {101001u, 21021u}) {
        VmsmRig rig;
        rig.Connect(v);
        PrinterConfig& r = rig.engine.record;
        r.Density = 6;
        r.TimeOff = 30;
        r.Msr = 3;
        r.Baudrate = 9600;
        r.Parity = 1;
        r.Flowcontrol = 2;
        r.Databit = 7;
        const bool legacy = v == 21021;
        if (legacy) {
            ASSERT_EQ(rig.engine.EnterSettingModeLegacy(), rc::Ok);
            for (std::uint8_t n : {1, 2, 3, 5, 6, 7, 8}) ASSERT_EQ(rig.engine.WriteSwitchLegacy(n), rc::Ok);
            ASSERT_EQ(rig.engine.WriteSerialSettingsLegacy(), rc::Ok);
            ASSERT_EQ(rig.engine.EndSettingModeLegacy(), rc::Ok);
        } else {
            ASSERT_EQ(rig.engine.EnterSettingMode(), rc::Ok);
            for (std::uint8_t n : {1, 2, 3, 5, 6, 7, 8}) ASSERT_EQ(rig.engine.WriteSwitch(n), rc::Ok);
            for (std::uint8_t k = 1; k <= 4; ++k) ASSERT_EQ(rig.engine.WriteSerialSetting(k), rc::Ok);
            ASSERT_EQ(rig.engine.EndSettingMode(), rc::Ok);
        }
        const auto& held = rig.held();
        EXPECT_EQ(held.Switch(1) & 0x07, 6) << v;
        EXPECT_EQ(held.Switch(5) & 0x7F, 30) << v;
        EXPECT_EQ(held.Switch(7) >> 4, 4) << v;
        EXPECT_EQ(held.Switch(3), 0x01) << "switch 3 is written with every bit unchanged";
        EXPECT_EQ(held.serial, (std::array<std::string, 4>{"9600", "1", "2", "7"})) << v;
        EXPECT_FALSE(rig.config().inSettingMode());
    }
}

TEST(Engine, LegacySwitchWriteWithoutSwitch7AnnouncesSixRecords) {
    VmsmRig rig;
    rig.Connect(21021, 'P');
    rig.engine.record.Density = 2;
    ASSERT_EQ(rig.engine.EnterSettingModeLegacy(), rc::Ok);
    rig.TakeReceived();
    for (std::uint8_t n : {1, 2, 3, 5, 6, 8}) ASSERT_EQ(rig.engine.WriteSwitchLegacy(n), rc::Ok);
    ASSERT_EQ(rig.engine.EndSettingModeLegacy(), rc::Ok);
    const auto sent = rig.TakeReceived();
    EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 6), H("08 5E 45 31 00 03"));
    EXPECT_EQ(sent.size(), 6u + 6 * 8 + 6);
    EXPECT_EQ(rig.held().Switch(1) & 0x07, 2);
    EXPECT_FALSE(rig.config().inSettingMode()) << "the end command was not swallowed as a record";
}

TEST(Engine, SentinelAndBluetoothWrites) {
    VmsmRig rig;
    rig.Connect(101001);
    PrinterConfig& r = rig.engine.record;
    r.StartSentinel[0] = "%";
    r.EndSentinel[0] = "";
    r.BtSecurity = 0;
    r.BtConnMode = 2;
    r.BtPinCode = "1234";
    r.BtDeviceName = "Till 3";
    EXPECT_EQ(rig.engine.WriteSentinels(1), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), H("08 4D 53 03 00 32 31 25 08 4D 53 03 00 33 31 00"));
    EXPECT_EQ(rig.engine.WriteBtSettings(), rc::Ok);
    EXPECT_EQ(rig.held().startSentinel[0], "%");
    EXPECT_EQ(rig.held().endSentinel[0], "");
    EXPECT_EQ(rig.held().btPinCode, "1234");
    EXPECT_EQ(rig.held().btDeviceName, "Till 3");
    EXPECT_EQ(rig.held().btConnMode, '3');
    EXPECT_EQ(rig.held().btSecurity, '0');
}

TEST(Engine, RfInterfaceWrite) {
    VmsmRig rig;
    rig.Connect(101001);
    rig.engine.record.RfInterface = 2;
    ASSERT_EQ(rig.engine.EnterSettingMode(), rc::Ok);
    rig.TakeReceived();
    EXPECT_EQ(rig.engine.WriteRfInterface(), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), H("1D 28 45 0B 00 03 50 30 30 30 30 30 30 31 30"));
    EXPECT_EQ(rig.held().Switch('P'), 0b10);
}

TEST(Engine, RefusalsSendNothing) {
    VmsmRig rig;
    rig.Connect(100999);
    struct Case {
        const char* what;
        std::function<int()> op;
    };
    PrinterConfig& r = rig.engine.record;
    const Case cases[] = {
        {"rf read below 101000", [&] { return rig.engine.ReadRfInterface(); }},
        {"rf write below 101000", [&] { return rig.engine.WriteRfInterface(); }},
        {"sentinel track 0", [&] { return rig.engine.ReadSentinels(0); }},
        {"sentinel track 4", [&] { return rig.engine.WriteSentinels(4); }},
        {"sentinel text of 11", [&] { r.StartSentinel[0] = std::string(11, 'A'); return rig.engine.WriteSentinels(1); }},
        {"bluetooth texts over 93", [&] {
             r.BtPinCode = std::string(12, '1');
             r.BtDeviceName = std::string(82, 'n');
             return rig.engine.WriteBtSettings();
         }},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(k.op(), rc::NotSupported) << k.what;
        EXPECT_TRUE(rig.TakeReceived().empty()) << k.what;
        EXPECT_TRUE(rig.util.link.IsOpen()) << k.what;
    }
}

TEST(Engine, ClosedLinkGives101ForEveryOperation) {
    VmsmRig rig;
    rig.Connect(101001);
    rig.util.link.ClosePort();
    auto& e = rig.engine;
    const std::function<int()> ops[] = {
        [&] { return e.EnterSettingMode(); },        [&] { return e.EnterSettingModeLegacy(); },
        [&] { return e.EndSettingMode(); },          [&] { return e.EndSettingModeLegacy(); },
        [&] { return e.ReadSwitch(1); },             [&] { return e.ReadSwitchLegacy(1); },
        [&] { return e.WriteSwitch(1); },            [&] { return e.WriteSwitchLegacy(1); },
        [&] { return e.ReadSerialSetting(1); },      [&] { return e.ReadSerialSettingLegacy(1); },
        [&] { return e.WriteSerialSetting(1); },     [&] { return e.WriteSerialSettingsLegacy(); },
        [&] { return e.ReadTearOff(); },             [&] { return e.WriteTearOff(); },
        [&] { return e.ReadRfInterface(); },         [&] { return e.WriteRfInterface(); },
        [&] { return e.ReadBtItem('c'); },           [&] { return e.WriteBtSettings(); },
        [&] { return e.ReadSentinels(1); },          [&] { return e.WriteSentinels(1); },
        [&] { return e.SendFactoryDefault(); },
    };
    for (const auto& op : ops) EXPECT_EQ(op(), rc::NotOpen);
    EXPECT_TRUE(rig.TakeReceived().empty());
}

// Faults on the reply of one command: the code, and whether the link is left open.
TEST(Engine, ReplyFaults) {
    struct Case {
        const char* key;
        Fault fault;
        std::function<int(CCommonVmsm&)> op;
        int code;
        bool open;
    };
    const Case cases[] = {
        {"read-switch-2", Fault::Silent, [](CCommonVmsm& e) { return e.ReadSwitch(2); }, rc::NoReply, false},
        {"read-switch-2", Fault::WrongHeader, [](CCommonVmsm& e) { return e.ReadSwitch(2); }, rc::BadHeader, false},
        {"read-switch-2", Fault::CutShort, [](CCommonVmsm& e) { return e.ReadSwitch(2); }, rc::NoReply, false},
        {"read-switch-2", Fault::Split, [](CCommonVmsm& e) { return e.ReadSwitch(2); }, rc::Ok, true},
        {"read-switch-legacy-2", Fault::Unterminated, [](CCommonVmsm& e) { return e.ReadSwitchLegacy(2); },
         rc::NoReply, false},
        {"read-switch-legacy-2", Fault::WrongHeader, [](CCommonVmsm& e) { return e.ReadSwitchLegacy(2); },
         rc::BadHeader, false},
        {"read-serial-1", Fault::Silent, [](CCommonVmsm& e) { return e.ReadSerialSetting(1); }, rc::BadHeader, false},
        {"read-serial-1", Fault::WrongHeader, [](CCommonVmsm& e) { return e.ReadSerialSetting(1); }, rc::BadHeader,
         false},
        {"read-serial-legacy-3", Fault::Silent, [](CCommonVmsm& e) { return e.ReadSerialSettingLegacy(3); },
         rc::BadHeader, false},
        {"read-tearoff", Fault::Silent, [](CCommonVmsm& e) { return e.ReadTearOff(); }, rc::BadHeader, false},
        {"read-tearoff", Fault::Split, [](CCommonVmsm& e) { return e.ReadTearOff(); }, rc::Ok, true},
        {"read-switch-P", Fault::Silent, [](CCommonVmsm& e) { return e.ReadRfInterface(); }, rc::RfNoData, true},
        {"read-switch-P", Fault::CutShort, [](CCommonVmsm& e) { return e.ReadRfInterface(); }, rc::RfNoData, true},
        {"read-bt-d", Fault::WrongHeader, [](CCommonVmsm& e) { return e.ReadBtItem('d'); }, rc::NoReply, false},
        {"read-bt-d", Fault::Silent, [](CCommonVmsm& e) { return e.ReadBtItem('d'); }, rc::NoReply, false},
        {"read-bt-d", Fault::Unterminated, [](CCommonVmsm& e) { return e.ReadBtItem('d'); }, rc::NoReply, false},
        {"read-sentinels-1", Fault::Silent, [](CCommonVmsm& e) { return e.ReadSentinels(1); }, rc::Ok, true},
        {"read-sentinels-1", Fault::WrongHeader, [](CCommonVmsm& e) { return e.ReadSentinels(1); }, rc::Ok, true},
        {"enter", Fault::Silent, [](CCommonVmsm& e) { return e.EnterSettingMode(); }, rc::NoReply, false},
        {"enter", Fault::WrongHeader, [](CCommonVmsm& e) { return e.EnterSettingMode(); }, rc::BadHeader, false},
        {"enter-legacy", Fault::WrongHeader, [](CCommonVmsm& e) { return e.EnterSettingModeLegacy(); },
         rc::NoReply, false},
    };
    for (const Case& k : cases) {
        VmsmRig rig;
        rig.Connect(101001);
        rig.printer.faults.perCommand[k.key] = k.fault;
        const PrinterConfig before = rig.engine.record;
        EXPECT_EQ(k.op(rig.engine), k.code) << k.key << " fault " << static_cast<int>(k.fault);
        EXPECT_EQ(rig.util.link.IsOpen(), k.open) << k.key;
        if (k.code != rc::Ok) {
            EXPECT_EQ(rig.engine.record, before) << "a failure stores nothing: " << k.key;
        }
    }
}

TEST(Engine, SilentSwitchReadResendsTenTimes) {
    VmsmRig rig;
    rig.Connect(101001);
    rig.printer.faults.perCommand["read-switch-5"] = Fault::Silent;
    const auto start = rig.Now();
    EXPECT_EQ(rig.engine.ReadSwitch(5), rc::NoReply);
    const auto log = rig.TakeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "read-switch-5"), 11) << "the request and ten resends";
    // twelve silent TCP reads of about a second each
    EXPECT_GT(rig.Now() - start, 12000u);
    EXPECT_LT(rig.Now() - start, 13000u);
}

TEST(Engine, ShortWriteCloses) {
    VmsmRig rig;
    rig.Connect(101001);
    rig.platform.config().shortWritesFrom = rig.platform.writes();
    EXPECT_EQ(rig.engine.WriteSwitch(1), rc::ShortWrite);
    EXPECT_FALSE(rig.util.link.IsOpen());
    EXPECT_EQ(rig.TakeReceived().size(), 5u) << "nothing after the cut header";
}

TEST(Engine, RfWriteCutShortIsAFailure) {
    VmsmRig rig;
    rig.Connect(101001);
    rig.platform.config().shortWritesFrom = rig.platform.writes() + 1;
    EXPECT_EQ(rig.engine.WriteRfInterface(), rc::ShortWrite);
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST(Engine, FactoryDefault) {
    VmsmRig rig;
    rig.Connect(160902);
    rig.held().switches[1] = 0xFF;
    rig.held().btPinCode = "0000";
    const PrinterConfig before = rig.engine.record;
    EXPECT_EQ(rig.engine.SendFactoryDefault(), rc::Ok);
    EXPECT_EQ(rig.TakeReceived(), cmd::FactoryDefaultBlock());
    auto factory = sim::FactorySettings();
    factory.switches[3] = rig.held().switches[3];  // its upper nibble is left alone
    EXPECT_EQ(rig.held(), factory);
    EXPECT_EQ(rig.engine.record, before) << "the record is not changed";
}

TEST(Engine, FactoryDefaultForAnotherModelWaitsFiveSecondsInVain) {
    VmsmRig rig;
    rig.Connect(160902);
    rig.util.ModelCode = 700;
    const auto start = rig.Now();
    EXPECT_EQ(rig.engine.SendFactoryDefault(), rc::NoReply);
    EXPECT_TRUE(rig.TakeReceived().empty());
    EXPECT_FALSE(rig.util.link.IsOpen());
    EXPECT_GE(rig.Now() - start, 5300u);
    EXPECT_LT(rig.Now() - start, 6400u);
}

TEST(Engine, BluetoothPauseIsLongerOnTheHandheld) {
    std::uint64_t took[2];
    for (int handheld : {0, 1}) {
        VmsmRig rig;
        rig.Connect(101001);
        rig.util.link.HandheldMode = handheld;
        const auto start = rig.Now();
        ASSERT_EQ(rig.engine.ReadBtItem('s'), rc::Ok);
        took[handheld] = rig.Now() - start;
    }
    EXPECT_EQ(took[1] - took[0], 200u);
}

}  // namespace
}  // namespace pelmora::vmsm
