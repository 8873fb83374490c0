// The switch map both ways, by dialect, firmware and MSR mode.
#include <gtest/gtest.h>

#include "vmsm/SwitchMap.h"

namespace pelmora::vmsm {
namespace {

std::string Str(const SwitchBits& bits) { return std::string(bits.begin(), bits.end()); }

SwitchBits Bits(const std::string& text) {
    SwitchBits bits{};
    std::copy(text.begin(), text.end(), bits.begin());
    return bits;
}

constexpr SwitchContext Std(std::uint32_t v, std::uint8_t m = '9') { return {Dialect::Standard, v, m}; }
constexpr SwitchContext Leg(std::uint32_t v, std::uint8_t m = '9') { return {Dialect::Legacy, v, m}; }

TEST(SwitchMap, DialectFollowsTheFirmwareRange) {
    for (auto [v, dialect] : {std::pair{20999u, Dialect::Standard}, {21000u, Dialect::Legacy},
                              {100999u, Dialect::Legacy}, {101000u, Dialect::Standard}, {1039u, Dialect::Standard}})
        EXPECT_EQ(DialectOf(v), dialect) << v;
}

TEST(SwitchMap, Writes) {
    struct Case {
        const char* what;
        std::uint8_t n;
        SwitchContext context;
        void (*set)(PrinterConfig&);
        const char* bits;
    };
    const Case cases[] = {
        {"switch 1", 1, Std(160902), [](PrinterConfig& r) { r.Speed = 1; r.CharMode = 1; r.Density = 5; }, "22211101"},
        {"density keeps three bits", 1, Std(160902), [](PrinterConfig& r) { r.Speed = 2; r.Density = 9; }, "22200001"},
        {"code page 40 on 21021", 2, Leg(21021), [](PrinterConfig& r) { r.CodePage = 40; }, "01000122"},
        {"code page 40 on 11060", 2, Std(11060), [](PrinterConfig& r) { r.CodePage = 40; }, "01000222"},
        {"switch 3 owns nothing", 3, Std(160902), [](PrinterConfig& r) { r.Density = 7; }, "22222222"},
        {"switch Q owns nothing", 'Q', Std(160902), [](PrinterConfig&) {}, "22222222"},
        {"time off, seven bits", 5, Std(160902), [](PrinterConfig& r) { r.TimeOff = 90; }, "21011010"},
        {"time save", 6, Std(160902), [](PrinterConfig& r) { r.TimeSave = 255; }, "11111111"},
        {"msr 5 standard", 7, Std(160902), [](PrinterConfig& r) { r.Msr = 5; }, "01102222"},
        {"msr legacy, mode 9", 7, Leg(21021, '9'), [](PrinterConfig& r) { r.Msr = 5; }, "01102222"},
        {"msr legacy, mode 5", 7, Leg(21021, '5'), [](PrinterConfig& r) { r.Msr = 12; }, "22221100"},
        {"msr standard ignores mode", 7, Std(11060, '5'), [](PrinterConfig& r) { r.Msr = 0; }, "00012222"},
        {"sentinel 1 on 101001", 8, Std(101001), [](PrinterConfig& r) { r.Sentinel = 1; }, "20100000"},
        {"sentinel 2 legacy 21021", 8, Leg(21021), [](PrinterConfig& r) { r.Sentinel = 2; }, "21000002"},
        {"sentinel kept on 11060", 8, Std(11060), [](PrinterConfig& r) { r.Sentinel = 1; }, "22200002"},
        {"beeps and service", 8, Std(11060), [](PrinterConfig& r) { r.Service = 3; r.BeepLowBat = 1; r.BeepPaper = 1; },
         "22211102"},
        {"font 2 on 101001", 8, Std(101001), [](PrinterConfig& r) { r.FontType = 2; }, "20000010"},
        {"font 1 on 101001", 8, Std(101001), [](PrinterConfig& r) { r.FontType = 1; }, "20000001"},
        {"font 2 on 11060", 8, Std(11060), [](PrinterConfig& r) { r.FontType = 2; }, "22200012"},
        {"font legacy", 8, Leg(50000), [](PrinterConfig& r) { r.FontType = 2; }, "20000012"},
        {"rf 2", 'P', Std(101001), [](PrinterConfig& r) { r.RfInterface = 2; }, "00000010"},
        {"rf 1", 'P', Std(101001), [](PrinterConfig& r) { r.RfInterface = 1; }, "00000001"},
        {"rf other", 'P', Std(101001), [](PrinterConfig& r) { r.RfInterface = 7; }, "00000000"},
    };
    for (const Case& k : cases) {
        PrinterConfig r;
        r.Speed = r.CharMode = r.Density = 0;
        r.Msr = 0;
        k.set(r);
        EXPECT_EQ(Str(EncodeSwitch(r, k.n, k.context)), k.bits) << k.what;
    }
}

TEST(SwitchMap, Reads) {
    struct Case {
        const char* what;
        std::uint8_t n;
        SwitchContext context;
        const char* bits;
        bool (*check)(const PrinterConfig&);
    };
    const Case cases[] = {
        {"switch 1", 1, Std(160902), "00011101", [](const PrinterConfig& r) {
             return r.Speed == 1 && r.CharMode == 1 && r.Density == 5; }},
        {"code page bit 5 from 21000", 2, Leg(21000), "01000100", [](const PrinterConfig& r) { return r.CodePage == 40; }},
        {"code page bit 5 ignored below", 2, Std(20999), "01000100", [](const PrinterConfig& r) { return r.CodePage == 8; }},
        {"msr 5 standard", 7, Std(160902), "01100000", [](const PrinterConfig& r) { return r.Msr == 5; }},
        {"msr nibble 0 keeps the field", 7, Std(160902), "00001111", [](const PrinterConfig& r) { return r.Msr == 6; }},
        {"msr legacy low nibble", 7, Leg(21021, '8'), "01101011", [](const PrinterConfig& r) { return r.Msr == 11; }},
        {"msr legacy high nibble", 7, Leg(21021, '9'), "01101011", [](const PrinterConfig& r) { return r.Msr == 5; }},
        {"sentinel standard 101001", 8, Std(101001), "01100000", [](const PrinterConfig& r) { return r.Sentinel == 3; }},
        {"sentinel not read legacy", 8, Leg(21021), "01000000", [](const PrinterConfig& r) { return r.Sentinel == 0; }},
        {"font 3 below 101000", 8, Std(11060), "00000011", [](const PrinterConfig& r) { return r.FontType == 3; }},
        {"font legacy b2 only", 8, Leg(21021), "00000011", [](const PrinterConfig& r) { return r.FontType == 1; }},
        {"service, beeps", 8, Std(101001), "00011100", [](const PrinterConfig& r) {
             return r.Service == 1 && r.BeepLowBat == 1 && r.BeepPaper == 1 && r.FontType == 0; }},
        {"rf", 'P', Std(101001), "00000011", [](const PrinterConfig& r) { return r.RfInterface == 2; }},
        {"switch 3 stores nothing", 3, Std(101001), "11111111", [](const PrinterConfig& r) { return r == PrinterConfig{}; }},
    };
    for (const Case& k : cases) {
        PrinterConfig r;
        DecodeSwitch(r, k.n, Bits(k.bits), k.context);
        EXPECT_TRUE(k.check(r)) << k.what;
    }
}

TEST(SwitchMap, LegacyRecordCarriesB8InPlaceOfTheNumber) {
    EXPECT_EQ(LegacySwitchRecord(2, Bits("01000122")), (std::array<std::uint8_t, 8>{'0', '1', '0', '0', '0', '1', '2', '2'}));
    EXPECT_EQ(LegacySwitchRecord(7, Bits("22221100")), (std::array<std::uint8_t, 8>{7, '2', '2', '2', '1', '1', '0', '0'}));
    EXPECT_EQ(LegacySwitchRecord(3, Bits("22222222")), (std::array<std::uint8_t, 8>{3, '2', '2', '2', '2', '2', '2', '2'}));
    EXPECT_TRUE(SkipsLegacySwitch7('P'));
    EXPECT_FALSE(SkipsLegacySwitch7('9'));
}

}  // namespace
}  // namespace pelmora::vmsm
