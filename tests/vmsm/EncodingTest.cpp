// Golden command bytes of both dialects, the reply parsers and the switch map.
#include <gtest/gtest.h>

#include "context/ResultCode.h"
#include "support/PrinterRig.h"
#include "vmsm/FromHex.h"
#include "vmsm/VmsmCommands.h"
#include "vmsm/VmsmReplies.h"

namespace pelmora::vmsm {
namespace {

using test::H;
namespace c = cmd;
namespace p = reply;
using In = const PrinterConfig&;
using Out = PrinterConfig&;

SwitchBits Bits(const std::string& text) {
    SwitchBits bits{};
    std::copy(text.begin(), text.end(), bits.begin());
    return bits;
}
std::string Str(const SwitchBits& bits) { return std::string(bits.begin(), bits.end()); }

// Every other command is held by what the virtual printer makes of it: the key it logs in the jobs' tests
// (JobsTest), the settings it keeps (SimConfig.FactoryBlockAnswersOnceAndAppliesAll for the factory block).
// Left: an empty sentinel text, and a tear-off position whose low byte is 0.
TEST(CommandBytes, FixedCommands) {
    EXPECT_EQ(c::WriteStartSentinelHeader(2, 0), H("08 4D 53 02 00 32 32"));
    EXPECT_EQ(c::WriteTearOff(256), H("1D 28 45 04 00 20 00 00 01"));
}

TEST(CommandBytes, SerialSettingsAndBaudTextsByDialect) {
    struct Case { std::uint32_t baud; const char* standard; const char* legacy; };
    for (const Case k : {Case{1200, "115200", "1200"}, Case{2400, "2400", "115200"}, Case{4800, "4800", "4800"},
                         Case{57600, "57600", "57600"}, Case{115200, "115200", "115200"}, Case{14400, "115200", "115200"}})
        EXPECT_EQ(std::tuple(c::BaudText(k.baud, Dialect::Standard), c::BaudText(k.baud, Dialect::Legacy)),
                  std::tuple(k.standard, k.legacy)) << k.baud;
    PrinterConfig r;
    r.Baudrate = 1200; r.Parity = 2; r.Flowcontrol = 1; r.Databit = 7;
    EXPECT_EQ(c::WriteSerialSettingsLegacy(r), H("08 5E 45 08 00 0B 31 32 30 30 32 31 37"));
}

// Its bytes are held by what the virtual printer makes of them (Engine.SentinelBluetoothAndRfWrites).
TEST(CommandBytes, BluetoothCommandAndItsBound) {
    PrinterConfig r;
    r.BtPinCode = std::string(12, '9');
    r.BtDeviceName = std::string(81, 'n');  // 93 together: 100 bytes
    EXPECT_EQ(c::WriteBtSettings(r).value_or(cmd::Bytes()).size(), 100u);
    r.BtDeviceName.push_back('n');
    EXPECT_FALSE(c::WriteBtSettings(r)) << "94 characters would overrun the command";
}

TEST(Replies, SwitchAndSettingMode) {
    const std::pair<const char*, int> cases[] = {
        {"37 21 30 31 30 31 30 31 30 31 00", rc::Ok},         {"37 21 30 31 30 31 30 31 30 31", rc::NoReply},
        {"37 21 30 31 30 31 30 31 30 31 00 00", rc::NoReply}, {"38 21 30 31 30 31 30 31 30 31 00", rc::BadHeader},
        {"37 22 30 31 30 31 30 31 30 31 00", rc::BadHeader},  {"37 21 30 31 30 31 30 31 30 31 31", rc::BadHeader},  // last not 00
        {"37 21 30 31 35 31 30 31 30 31 00", rc::BadHeader},  // "5" is no bit
    };
    for (const auto& [reply, code] : cases) {
        SwitchBits bits = Bits("xxxxxxxx");
        const int got = p::ParseSwitch(H(reply), bits);
        EXPECT_EQ(std::tuple(got, Str(bits)), std::tuple(code, code == rc::Ok ? "01010101" : "xxxxxxxx")) << reply;
    }
    for (const char* reply : {"37 20 00", "37 20 00 00", "37 21 00"})
        EXPECT_EQ(p::IsSettingModeReply(H(reply)), reply == std::string("37 20 00")) << reply;
}

// Good replies, each value in its field and a tear-off of 256 sent as 00 01, are GetStatusReadsEverythingInOrder's.
TEST(Replies, SerialSettingsAndTearOff) {
    struct Case { std::uint8_t k; const char* reply; int code; };
    const Case cases[] = {  // k 0: tear-off
        {2, "", rc::BadHeader},                                   // nothing came
        {2, "37 33 33 1F 32 00", rc::BadHeader},                  // answer for another setting
        {2, "37 33 32 1F 00", rc::BadHeader},                     // no value: would wrap
        {2, "37 33 32 1F 41 00", rc::BadHeader},                  // not a digit
        {1, "37 33 31 1F 31 31 35 32 30 30 30 30", rc::NoReply},  // twelve bytes, no end
        {0, "", rc::BadHeader},      {0, "37 35 31 1F 00 01 00", rc::BadHeader},
        {0, "37 35 30 1F 00 00", rc::NoReply},  // the 00 ending here is a value byte
    };
    for (const Case& k : cases) {
        PrinterConfig r;
        const int code = k.k ? p::ParseSerialSetting(H(k.reply), k.k, r) : p::ParseTearOff(H(k.reply), r.CuttingPosition);
        EXPECT_EQ(std::tie(code, r), std::tuple(k.code, PrinterConfig{})) << k.reply << ": a failed parse stores nothing";
    }
}

TEST(Replies, RfInterfaceSkipsNoiseAndNeedsItsTwoBits) {
    struct Case { const char* arrived; int code; std::uint32_t rf; };
    const Case cases[] = {
        {"37 21 30 30 30 30 30 30 31 30 00", rc::Ok, 2},      {"37 21 30 30 30 30 30 30 30 31 00", rc::Ok, 1},
        {"37 21 30 30 30 30 30 30 30 30 00", rc::Ok, 0},      {"FF 00 37 21 30 30 30 30 30 30 30 31 00", rc::Ok, 1},
        {"37 21 30 30 30 30 30 30 00 31", rc::RfNoData, 9},   {"37 21 30 30 30 30 30 30 31 00", rc::RfNoData, 9},
        {"36 21 30 30 30 30 30 30 31 30 00", rc::RfNoData, 9},
        {"37 21 30 30 30 30 30 30 31 30", rc::Ok, 2},  // both bits are enough
    };
    for (const Case& k : cases) {
        std::uint32_t rf = 9;
        EXPECT_EQ(p::ParseRfInterface(H(k.arrived), rf), k.code) << k.arrived;
        EXPECT_EQ(rf, k.rf) << k.arrived;
    }
    // Nine bytes have no second bit, whatever the read buffer holds past what arrived.
    const auto buffer = H("37 21 30 30 30 30 30 30 30 31");
    std::uint32_t rf = 9;
    EXPECT_EQ(p::ParseRfInterface(p::ByteSpan(buffer).first(9), rf), rc::RfNoData);
}

TEST(Replies, BluetoothItems) {
    struct Case { const char* reply; std::uint8_t item; int code; void (*want)(PrinterConfig&); };
    const Case cases[] = {  // `want`: what a good reply stores (a mode and a name: GetStatus's); a failure, nothing
        {"37 42 73 31 00", 's', rc::Ok, [](Out r) { r.BtSecurity = 1; }}, {"37 42 6B 00", 'k', rc::Ok, [](Out r) { r.BtPinCode = ""; }},
        {"37 43 63 33 00", 'c', rc::NoReply, nullptr},
        {"37 42 78 31 00", 'x', rc::BadHeader, nullptr},  // unknown item letter
        {"37 42 64 31 00", 'c', rc::BadHeader, nullptr},  // answer for another item
        {"37 42 63 00", 'c', rc::BadHeader, nullptr},     // no digit: the mode would wrap
        {"37 42 63 30 00", 'c', rc::BadHeader, nullptr}, {"37 42 73 53 00", 's', rc::BadHeader, nullptr},
    };
    for (const Case& k : cases) {
        PrinterConfig r, want;
        r.BtPinCode = want.BtPinCode = "old";
        if (k.want) k.want(want);
        EXPECT_EQ(p::ParseBtItem(H(k.reply), k.item, r), k.code) << k.reply;
        EXPECT_EQ(r, want) << k.reply;
    }
}

TEST(Replies, Sentinels) {
    struct Case { const char* arrived; int track; int code; const char* start; const char* end; };
    const Case cases[] = {
        {"37 81 31 25 1F 3F 00", 1, rc::Ok, "%", "?"},  {"AA BB 37 81 32 3B 1F 3F 00", 2, rc::Ok, ";", "?"},
        {"37 81 33 41 42 00", 3, rc::Ok, "AB", ""},     {"37 81 31 1F 3F 1F 21 00", 1, rc::Ok, "", "?\x1F!"},
        {"37 81 31 00", 1, rc::Ok, "", ""},  // the printer holds no texts
        {"37 81 31 41 41 41 41 41 41 41 41 41 41 1F 00", 1, rc::Ok, "AAAAAAAAAA", ""},
        // Nothing, or less than the whole reply (cut short: no 00), leaves the texts.
        {"", 1, rc::NoReply, "old", "old"}, {"37 81", 1, rc::NoReply, "old", "old"}, {"37 81 31 25 1F 3F", 1, rc::NoReply, "old", "old"},
        {"37 81 32 25 1F 3F 00", 1, rc::BadHeader, "old", "old"},  // another track
        {"37 80 31 25 00", 1, rc::BadHeader, "old", "old"},
        {"37 81 31 41 41 41 41 41 41 41 41 41 41 41 1F 00", 1, rc::BadHeader, "old", "old"},  // 11 bytes
    };
    for (const Case& k : cases) {
        std::string start = "old", end = "old";
        const int code = p::ParseSentinels(H(k.arrived), k.track, start, end);
        EXPECT_EQ(std::tuple(code, start, end), std::tuple(k.code, k.start, k.end)) << k.arrived;
    }
}

constexpr SwitchContext Std(std::uint32_t v, std::uint8_t m = '9') { return {Dialect::Standard, v, m}; }
constexpr SwitchContext Leg(std::uint32_t v, std::uint8_t m = '9') { return {Dialect::Legacy, v, m}; }

TEST(SwitchMap, Writes) {
    struct Case { const char* what; std::uint8_t n; SwitchContext context; void (*set)(Out); const char* bits; };
    const Case cases[] = {
        {"switch 1", 1, Std(160902), [](Out r) { r.Speed = 1; r.CharMode = 1; r.Density = 5; }, "22211101"},
        {"density keeps three bits", 1, Std(160902), [](Out r) { r.Speed = 2; r.Density = 9; }, "22200001"},
        {"code page 40 on 21021", 2, Leg(21021), [](Out r) { r.CodePage = 40; }, "01000122"},
        {"code page 40 on 11060", 2, Std(11060), [](Out r) { r.CodePage = 40; }, "01000222"},
        {"time off, seven bits", 5, Std(160902), [](Out r) { r.TimeOff = 90; }, "21011010"},
        {"time save", 6, Std(160902), [](Out r) { r.TimeSave = 255; }, "11111111"},
        {"msr 5 standard", 7, Std(160902), [](Out r) { r.Msr = 5; }, "01102222"},
        {"msr legacy, mode 9", 7, Leg(21021, '9'), [](Out r) { r.Msr = 5; }, "01102222"},
        {"msr legacy, mode 5", 7, Leg(21021, '5'), [](Out r) { r.Msr = 12; }, "22221100"},
        {"msr standard ignores mode", 7, Std(11060, '5'), [](Out r) { r.Msr = 0; }, "00012222"},
        {"sentinel 1 on 101001", 8, Std(101001), [](Out r) { r.Sentinel = 1; }, "20100000"},
        {"sentinel 2 legacy 21021", 8, Leg(21021), [](Out r) { r.Sentinel = 2; }, "21000002"},
        {"sentinel kept on 11060", 8, Std(11060), [](Out r) { r.Sentinel = 1; }, "22200002"},
        {"beeps and service", 8, Std(11060), [](Out r) { r.Service = 3; r.BeepLowBat = 1; r.BeepPaper = 1; }, "22211102"},
        {"service 1 alone", 8, Std(11060), [](Out r) { r.Service = 1; }, "22210002"},
        {"font 2 on 101001", 8, Std(101001), [](Out r) { r.FontType = 2; }, "20000010"},
        {"font 1 on 101001", 8, Std(101001), [](Out r) { r.FontType = 1; }, "20000001"},
        {"font 2 on 11060", 8, Std(11060), [](Out r) { r.FontType = 2; }, "22200012"},
        {"font legacy", 8, Leg(50000), [](Out r) { r.FontType = 1; }, "20000012"},
        {"rf 1", 'P', Std(101001), [](Out r) { r.RfInterface = 1; }, "00000001"},
        {"rf other", 'P', Std(101001), [](Out r) { r.RfInterface = 7; }, "00000000"},
    };
    for (const Case& k : cases) {
        PrinterConfig r;
        r.Speed = r.CharMode = r.Density = r.Msr = 0;
        k.set(r);
        EXPECT_EQ(Str(EncodeSwitch(r, k.n, k.context)), k.bits) << k.what;
    }
}

TEST(SwitchMap, Reads) {
    struct Case { const char* what; std::uint8_t n; SwitchContext at; const char* bits; bool (*ok)(In); };
    const Case cases[] = {
        {"speed is bit 5", 1, Std(160902), "00010000", [](In r) { return r.Speed == 1 && r.CharMode == 0; }},
        {"char mode is bit 4", 1, Std(160902), "00001000", [](In r) { return r.Speed == 0 && r.CharMode == 1; }},
        {"code page bit 5 from 21000", 2, Leg(21000), "01000100", [](In r) { return r.CodePage == 40; }},
        {"code page bit 5 ignored below", 2, Std(20999), "01000100", [](In r) { return r.CodePage == 8; }},
        {"msr 5 standard", 7, Std(160902), "01100000", [](In r) { return r.Msr == 5; }},
        {"msr nibble 0 keeps the field", 7, Std(160902), "00001111", [](In r) { return r.Msr == 6; }},
        {"msr legacy low nibble", 7, Leg(21021, '8'), "01101011", [](In r) { return r.Msr == 11; }},
        {"msr legacy high nibble", 7, Leg(21021, '9'), "01101011", [](In r) { return r.Msr == 5; }},
        {"sentinel standard 101001", 8, Std(101001), "01100000", [](In r) { return r.Sentinel == 3; }},
        {"sentinel not read legacy", 8, Leg(21021), "01000000", [](In r) { return r.Sentinel == 0; }},
        {"font 3 below 101000", 8, Std(11060), "00000011", [](In r) { return r.FontType == 3; }},
        {"service, beeps", 8, Std(101001), "00011100", [](In r) {
             return r.Service == 1 && r.BeepLowBat == 1 && r.BeepPaper == 1 && r.FontType == 0; }},
        {"paper beep: bit 3", 8, Std(101001), "00000100", [](In r) { return r.BeepPaper == 1 && r.BeepLowBat == 0 && r.Service == 0; }},
        {"low-bat beep: bit 4", 8, Std(101001), "00001000", [](In r) { return r.BeepLowBat == 1 && r.BeepPaper == 0 && r.Service == 0; }},
        {"rf", 'P', Std(101001), "00000011", [](In r) { return r.RfInterface == 2; }},
        {"rf off", 'P', Std(101001), "00000000", [](In r) { return r.RfInterface == 0; }},
        {"switch 3 stores nothing", 3, Std(101001), "11111111", [](In r) { return r == PrinterConfig{}; }},
    };
    for (const Case& k : cases) {
        PrinterConfig r;
        DecodeSwitch(r, k.n, Bits(k.bits), k.at);
        EXPECT_TRUE(k.ok(r)) << k.what;
    }
}

TEST(SwitchMap, LegacyRecordCarriesB8InPlaceOfTheNumber) {
    using Record = std::array<std::uint8_t, 8>;
    EXPECT_EQ(LegacySwitchRecord(2, Bits("01000122")), (Record{'0', '1', '0', '0', '0', '1', '2', '2'}));
    EXPECT_EQ(LegacySwitchRecord(7, Bits("22221100")), (Record{7, '2', '2', '2', '1', '1', '0', '0'}));
    EXPECT_EQ(LegacySwitchRecord(3, Bits("22222222")), (Record{3, '2', '2', '2', '2', '2', '2', '2'}));
}

}  // namespace
}  // namespace pelmora::vmsm
