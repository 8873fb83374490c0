// Golden bytes of every memory-switch command, in both dialects.
#include <gtest/gtest.h>

#include "VmsmRig.h"
#include "vmsm/VmsmCommands.h"

namespace pelmora::vmsm {
namespace {

using test::H;
namespace c = cmd;

SwitchBits Bits(const char* text) {
    SwitchBits bits{};
    std::copy(text, text + 8, bits.begin());
    return bits;
}

TEST(CommandBytes, FixedCommands) {
    struct Case {
        const char* name;
        cmd::Bytes got;
        const char* want;
    };
    PrinterConfig r;
    r.CuttingPosition = 256;
    const Case cases[] = {
        {"enter", c::EnterSettingMode(), "1D 28 45 03 00 01 49 4E"},
        {"enter legacy", c::EnterSettingModeLegacy(), "08 5E 45 01 00 01"},
        {"end", c::EndSettingMode(), "1D 28 45 04 00 02 4F 55 54"},
        {"end legacy", c::EndSettingModeLegacy(), "08 5E 45 01 00 02"},
        {"read switch 7", c::ReadSwitch(7), "1D 28 45 02 00 04 07"},
        {"read switch legacy 8", c::ReadSwitchLegacy(8), "08 5E 45 02 00 04 08"},
        {"read rf", c::ReadSwitch('P'), "1D 28 45 02 00 04 50"},
        {"switch header (announces 11)", c::WriteSwitchHeader(), "1D 28 45 0B 00 03"},
        {"switch record", c::WriteSwitchRecord(3, Bits("22222222")), "03 32 32 32 32 32 32 32 32"},
        {"legacy header, 7 records", c::WriteSwitchLegacyHeader(7), "08 5E 45 39 00 03"},
        {"legacy header, 6 records", c::WriteSwitchLegacyHeader(6), "08 5E 45 31 00 03"},
        {"read serial 4", c::ReadSerialSetting(4), "1D 28 45 02 00 0C 04"},
        {"read serial legacy 2", c::ReadSerialSettingLegacy(2), "08 5E 45 02 00 0C 02"},
        {"serial header 1", c::WriteSerialSettingHeader(1, 6), "1D 28 45 08 00 0B 01"},
        {"read tear-off", c::ReadTearOff(), "1D 28 45 02 00 21 00"},
        {"write tear-off 256", c::WriteTearOff(r.CuttingPosition), "1D 28 45 04 00 20 00 00 01"},
        {"read bt", c::ReadBtItem('k'), "1F 1F 69 6B"},
        {"read sentinels 3", c::ReadSentinels(3), "08 4D 53 02 00 34 33"},
        {"empty start sentinel", c::WriteStartSentinelHeader(2, 0), "08 4D 53 02 00 32 32"},
        {"start sentinel of 1", c::WriteStartSentinelHeader(1, 1), "08 4D 53 03 00 32 31"},
        {"empty end sentinel", c::WriteEndSentinelHeader(1, 0), "08 4D 53 03 00 33 31"},
        {"empty end data", c::EndSentinelData(""), "00"},
        {"end sentinel of 4", c::WriteEndSentinelHeader(3, 4), "08 4D 53 06 00 33 33"},
    };
    for (const Case& k : cases) EXPECT_EQ(k.got, H(k.want)) << k.name;
}

TEST(CommandBytes, BaudTextsDifferByDialect) {
    struct Case {
        std::uint32_t baud;
        const char* standard;
        const char* legacy;
    };
    for (const Case k : {Case{1200, "115200", "1200"}, Case{2400, "2400", "115200"}, Case{4800, "4800", "4800"},
                         Case{57600, "57600", "57600"}, Case{115200, "115200", "115200"}, Case{14400, "115200", "115200"}}) {
        EXPECT_EQ(c::BaudText(k.baud, Dialect::Standard), k.standard) << k.baud;
        EXPECT_EQ(c::BaudText(k.baud, Dialect::Legacy), k.legacy) << k.baud;
    }
}

TEST(CommandBytes, SerialDataAndTheLegacyCommand) {
    PrinterConfig r;
    r.Baudrate = 1200;
    r.Parity = 2;
    r.Flowcontrol = 1;
    r.Databit = 7;
    EXPECT_EQ(c::SerialSettingData(r, 1), H("31 31 35 32 30 30"));  // 1200 is not a standard rate
    EXPECT_EQ(c::SerialSettingData(r, 2), H("32"));
    EXPECT_EQ(c::SerialSettingData(r, 3), H("31"));
    EXPECT_EQ(c::SerialSettingData(r, 4), H("37"));
    EXPECT_EQ(c::WriteSerialSettingsLegacy(r), H("08 5E 45 08 00 0B 31 32 30 30 32 31 37"));
}

TEST(CommandBytes, BluetoothCommandAndItsBound) {
    PrinterConfig r;
    r.BtSecurity = 0;
    r.BtConnMode = 2;
    r.BtPinCode = "1234";
    r.BtDeviceName = "Q7";
    EXPECT_EQ(*c::WriteBtSettings(r), H("1F 1F 70 30 33 31 32 33 34 0D 51 37 0D"));

    r.BtPinCode = std::string(12, '9');
    r.BtDeviceName = std::string(81, 'n');  // 93 together: 100 bytes
    ASSERT_TRUE(c::WriteBtSettings(r));
    EXPECT_EQ(c::WriteBtSettings(r)->size(), 100u);
    r.BtDeviceName.push_back('n');
    EXPECT_FALSE(c::WriteBtSettings(r)) << "94 characters would overrun the command";
}

TEST(CommandBytes, FactoryDefaultBlockIsThe253BytesOfTheMptQ700VII) {
    const auto want = H(
        "1D 28 45 03 00 01 49 4E"
        "1D 28 45 0B 00 03 01 30 30 30 30 31 31 30 30"
        "1D 28 45 0B 00 03 02 30 30 30 30 30 30 30 30"
        "1D 28 45 0B 00 03 03 32 32 32 32 30 30 30 31"
        "1D 28 45 0B 00 03 05 30 30 30 30 31 31 31 31"
        "1D 28 45 0B 00 03 06 30 30 30 30 31 30 31 30"
        "1D 28 45 0B 00 03 07 30 31 31 30 30 30 30 30"
        "1D 28 45 0B 00 03 08 30 30 30 30 30 30 30 30"
        "1D 28 45 08 00 0B 01 31 31 35 32 30 30"
        "1D 28 45 03 00 0B 02 30"
        "1D 28 45 03 00 0B 03 30"
        "1D 28 45 03 00 0B 04 38"
        "1D 28 45 04 00 02 4F 55 54"
        "08 4D 53 08 00 32 31 53 54 41 52 54 31"
        "08 4D 53 06 00 33 31 45 4E 44 31"
        "08 4D 53 08 00 32 32 53 54 41 52 54 32"
        "08 4D 53 06 00 33 32 45 4E 44 32"
        "08 4D 53 08 00 32 33 53 54 41 52 54 33"
        "08 4D 53 06 00 33 33 45 4E 44 33"
        "1F 1F 70 31 32 35 32 39 31 0D 4D 50 54 2D 51 37 30 30 56 49 49 0D");
    ASSERT_EQ(want.size(), 253u);
    EXPECT_EQ(c::FactoryDefaultBlock(), want);
}

}  // namespace
}  // namespace pelmora::vmsm
