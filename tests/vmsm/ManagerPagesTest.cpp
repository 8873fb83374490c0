// The manager pages' fill and copy-back rules, and the HEXA length bound.
#include <gtest/gtest.h>

#include "vmsm/ManagerPages.h"

namespace pelmora::vmsm {
namespace {

PrinterFacts Printer(std::uint32_t firmware, std::uint32_t model = 703) {
    return {firmware, model, "MPT-Q700VII", "V1.00", "PC437"};
}

// Opens the pages on `record` and copies them back unchanged.
PrinterConfig RoundTrip(const PrinterConfig& record, std::uint32_t firmware, ManagerEnd end = ManagerEnd::Save) {
    PrinterConfig back = record;
    CopyBack(ShowRecord(record, Printer(firmware)), end, firmware, back);
    return back;
}

TEST(ManagerPages, DensityShowsAsListPositionAndSavesAsCode) {
    struct Case {
        std::uint32_t density, firmware, shown, saved;
    };
    const Case cases[] = {
        {4, 101001, 5, 4}, {4, 1039, 5, 5},  // below 1040 the position itself is stored
        {3, 101001, 0, 3}, {6, 101001, 6, 6}, {7, 101001, 7, 7}, {7, 1039, 7, 7},
    };
    for (const Case& c : cases) {
        PrinterConfig record;
        record.Density = c.density;
        EXPECT_EQ(ShowRecord(record, Printer(c.firmware)).page1.densityIndex, c.shown) << c.density;
        EXPECT_EQ(RoundTrip(record, c.firmware).Density, c.saved) << c.density << " on " << c.firmware;
    }
    PrinterConfig record;
    record.Density = 3;
    EXPECT_EQ(RoundTrip(record, 101001, ManagerEnd::Default).Density, 0u) << "Default keeps the list position";
}

TEST(ManagerPages, FontRadioShiftsBelowThreeFonts) {
    for (const auto& [firmware, fontType, radio] : {std::tuple{101000u, 0u, 0u}, {101000u, 2u, 2u},
                                                    {100999u, 0u, 1u}, {100999u, 1u, 2u}, {1039u, 0u, 1u}}) {
        PrinterConfig record;
        record.FontType = fontType;
        EXPECT_EQ(ShowRecord(record, Printer(firmware)).page1.fontRadio, radio) << firmware;
        EXPECT_EQ(RoundTrip(record, firmware).FontType, fontType) << firmware;
    }
}

// Serial values show as their list entries; firmware without the tear-off or
// the sentinels stores zero for them.
TEST(ManagerPages, ValuesGoBackAsTheWindowShowsThem) {
    struct Case {
        std::uint32_t PrinterConfig::*member;
        std::uint32_t value, firmware, saved;
    };
    const Case cases[] = {
        {&PrinterConfig::Baudrate, 14400, 160902, 19200},  {&PrinterConfig::Baudrate, 1200, 160902, 19200},
        {&PrinterConfig::Baudrate, 57600, 160902, 57600},  {&PrinterConfig::Databit, 7, 160902, 7},
        {&PrinterConfig::Databit, 5, 160902, 8},           {&PrinterConfig::Parity, 1, 160902, 1},
        {&PrinterConfig::Parity, 7, 160902, 2},            {&PrinterConfig::Flowcontrol, 1, 160902, 1},
        {&PrinterConfig::Flowcontrol, 0, 160902, 2},       {&PrinterConfig::CuttingPosition, 300, 160902, 300},
        {&PrinterConfig::CuttingPosition, 300, 160901, 0}, {&PrinterConfig::Sentinel, SentinelDynamic, 21021, SentinelDynamic},
        {&PrinterConfig::Sentinel, SentinelDynamic, 21020, SentinelNone},
    };
    for (const Case& c : cases) {
        PrinterConfig record;
        record.*c.member = c.value;
        EXPECT_EQ(RoundTrip(record, c.firmware).*c.member, c.saved) << c.value << " on " << c.firmware;
    }
}

TEST(ManagerPages, BluetoothGoesBackOnlyWhenTicked) {
    PrinterConfig record;
    record.BtPinCode = "0000";
    record.BtDeviceName = "Shop";
    record.BtConnMode = 2;
    record.RfInterface = 2;
    ManagerFields fields = ShowRecord(record, Printer(160902));
    EXPECT_EQ(fields.page3.keepBluetooth, 1u);
    fields.page3.pinCode = "1234";
    PrinterConfig kept = record;
    CopyBack(fields, ManagerEnd::Save, 160902, kept);
    EXPECT_EQ(kept.BtKeep, 1u);
    EXPECT_EQ(kept.BtPinCode, "0000");

    fields.page3.keepBluetooth = 0;
    fields.page3.connMode = 0;
    PrinterConfig sent = record;
    CopyBack(fields, ManagerEnd::Default, 160902, sent);
    EXPECT_EQ(sent.BtKeep, 0u);
    EXPECT_EQ(sent.BtPinCode, "1234") << "Default hands the edited PIN back too";
    EXPECT_EQ(sent.BtConnMode, 0u);
    EXPECT_EQ(sent.RfInterface, 2u);

    // Firmware without Bluetooth items shows the printer's defaults, and no RF interface goes back.
    const Page3Fields legacy = ShowRecord(record, Printer(21021)).page3;
    EXPECT_EQ(legacy.pinCode, "5291");
    EXPECT_EQ(legacy.deviceName, "MPT-Q700VII");
    EXPECT_EQ(legacy.connMode, 1u);
    EXPECT_EQ(legacy.security, 1u);
    PrinterConfig old = record;
    old.RfInterface = 1;
    CopyBack(ShowRecord(record, Printer(21021)), ManagerEnd::Save, 21021, old);
    EXPECT_EQ(old.RfInterface, 1u);
}

TEST(ManagerPages, SentinelsTravelInWindowOrder) {
    PrinterConfig record;
    record.StartSentinel = {"a", "b", "c"};
    record.EndSentinel = {"x", "y", "z"};
    const ManagerFields fields = ShowRecord(record, Printer(21021));
    EXPECT_EQ(fields.page2.sentinels, (SentinelSix{"a", "b", "c", "x", "y", "z"}));
    PrinterConfig back;  // every track's texts must come from the page
    CopyBack(fields, ManagerEnd::Save, 21021, back);
    EXPECT_EQ(back.StartSentinel, record.StartSentinel);
    EXPECT_EQ(back.EndSentinel, record.EndSentinel);
}

TEST(SentinelWindow, HexaEntryTooLongGetsTheLengthMessageUnconverted) {
    const std::string atBound(kSentinelHexaMaxDigits, 'G');  // would be a format error if converted
    SentinelSix bound{atBound, "25", "25", "", "", ""};
    EXPECT_EQ(ConfirmSentinels(true, bound), kInvalidHexaText);
    SentinelSix over{atBound + "G", "25", "25", "", "", ""};
    EXPECT_EQ(ConfirmSentinels(true, over), kSentinelLengthText);
    EXPECT_EQ(over[0].size(), kSentinelHexaMaxDigits + 1) << "the boxes stay as they were";
    // Spaces do not count: a spaced-out short entry still converts.
    SentinelSix spaced{"25" + std::string(5000, ' ') + "3F", "25", "25", "", "", ""};
    EXPECT_EQ(ConfirmSentinels(true, spaced), "");
    EXPECT_EQ(spaced[0], "%?");
}

}  // namespace
}  // namespace pelmora::vmsm
