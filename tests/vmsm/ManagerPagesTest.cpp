// The manager pages' fill and copy-back rules.
#include <gtest/gtest.h>

#include <tuple>

#include "vmsm/ManagerPages.h"

namespace pelmora::vmsm {
namespace {

PrinterFacts Printer(std::uint32_t firmware, std::uint32_t model = 703) {
    return {firmware, model, "MPT-Q700VII", "V1.00", "PC437"};
}

// Pages that opened on values no entry has: every field counts as changed.
ManagerFields NoneShown() {
    constexpr std::uint32_t kNone = 0xFFFFFFFF;
    ManagerFields f;
    f.page1 = {kNone, kNone, kNone, kNone, kNone};
    f.page2.service = f.page2.beepPaper = f.page2.beepLowBat = f.page2.msr = kNone;
    f.page2.timeOff = f.page2.timeSave = f.page2.cuttingPosition = f.page2.sentinel = kNone;
    f.page3.baudrate = f.page3.databit = f.page3.parity = f.page3.stopBits = kNone;
    return f;
}

// Opens the pages on `record` and ends them: untouched, or with every value chosen as shown.
enum class Edit { Untouched, ChosenAsShown };
PrinterConfig Saved(Edit edit, const PrinterConfig& record, std::uint32_t firmware, ManagerEnd end = ManagerEnd::Save) {
    PrinterConfig back = record;
    const ManagerFields shown = ShowRecord(record, Printer(firmware));
    CopyBack(edit == Edit::Untouched ? shown : NoneShown(), shown, end, firmware, back);
    return back;
}

// What the first page shows for a value (density as its list position, the font
// radio shifted below three fonts) and what every page gives back unchanged:
// density as its code (below 1040 the position itself), serial values as their
// list entries, zero for the tear-off or sentinels of firmware without them.
TEST(ManagerPages, ValuesShowAndGoBackAsTheWindowHasThem) {
    using R = PrinterConfig;
    using P = Page1Fields;
    // shownAs none: not on the first page.
    struct Case { std::uint32_t R::*member; std::uint32_t value, firmware; std::uint32_t P::*shownAs; std::uint32_t shown, saved; };
    const Case cases[] = {
        {&R::Density, 4, 101001, &P::densityIndex, 5, 4},    {&R::Density, 4, 1039, &P::densityIndex, 5, 5},
        {&R::Density, 3, 101001, &P::densityIndex, 0, 3},    {&R::FontType, 0, 101000, &P::fontRadio, 0, 0},
        {&R::FontType, 2, 101000, &P::fontRadio, 2, 2},      {&R::FontType, 0, 100999, &P::fontRadio, 1, 0},
        {&R::FontType, 1, 100999, &P::fontRadio, 2, 1},      {&R::Baudrate, 14400, 160902, nullptr, 0, 19200},
        {&R::Databit, 7, 160902, nullptr, 0, 7},             {&R::Databit, 5, 160902, nullptr, 0, 8},
        {&R::Parity, 1, 160902, nullptr, 0, 1},              {&R::Parity, 7, 160902, nullptr, 0, 2},
        {&R::Flowcontrol, 1, 160902, nullptr, 0, 1},         {&R::Flowcontrol, 0, 160902, nullptr, 0, 2},
        {&R::CuttingPosition, 300, 160902, nullptr, 0, 300}, {&R::CuttingPosition, 300, 160901, nullptr, 0, 0},
        {&R::Baudrate, 57600, 160902, nullptr, 0, 57600},    {&R::Sentinel, SentinelDynamic, 21021, nullptr, 0, SentinelDynamic},
        {&R::Sentinel, SentinelDynamic, 21020, nullptr, 0, SentinelNone},
    };
    for (const Case& c : cases) {
        PrinterConfig record;
        record.*c.member = c.value;
        if (c.shownAs) {
            EXPECT_EQ(ShowRecord(record, Printer(c.firmware)).page1.*c.shownAs, c.shown) << c.value << " on " << c.firmware;
        }
        EXPECT_EQ(Saved(Edit::ChosenAsShown, record, c.firmware).*c.member, c.saved) << c.value << " on " << c.firmware;
        // Saving without touching the list writes back what was read, even a value it cannot show.
        EXPECT_EQ(Saved(Edit::Untouched, record, c.firmware).*c.member, c.value) << c.value << " on " << c.firmware;
    }
    PrinterConfig record;
    record.Density = 3;
    EXPECT_EQ(Saved(Edit::ChosenAsShown, record, 101001, ManagerEnd::Default).Density, 0u) << "Default keeps the list position";
}

TEST(ManagerPages, BluetoothGoesBackOnlyWhenTicked) {
    PrinterConfig record;
    record.BtPinCode = "0000", record.BtDeviceName = "Shop", record.BtConnMode = 2, record.RfInterface = 2;
    ManagerFields fields = ShowRecord(record, Printer(160902));
    EXPECT_EQ(fields.page3.keepBluetooth, 1u);
    fields.page3.pinCode = "1234";
    PrinterConfig kept = record;
    CopyBack(ShowRecord(record, Printer(160902)), fields, ManagerEnd::Save, 160902, kept);
    EXPECT_EQ(std::tie(kept.BtKeep, kept.BtPinCode), std::tuple(1u, "0000"));

    fields.page3.keepBluetooth = 0;
    fields.page3.connMode = 0;
    PrinterConfig sent = record;
    CopyBack(ShowRecord(record, Printer(160902)), fields, ManagerEnd::Default, 160902, sent);
    EXPECT_EQ(std::tie(sent.BtKeep, sent.BtPinCode, sent.BtConnMode, sent.RfInterface), std::tuple(0u, "1234", 0u, 2u))
        << "Default hands the edited PIN back too";

    // Firmware without Bluetooth items shows the printer's defaults, and no RF interface goes back.
    const Page3Fields legacy = ShowRecord(record, Printer(21021)).page3;
    EXPECT_EQ(std::tie(legacy.pinCode, legacy.deviceName, legacy.connMode, legacy.security), std::tuple("5291", "MPT-Q700VII", 1u, 1u));
    PrinterConfig old = record;
    old.RfInterface = 1;
    CopyBack(NoneShown(), ShowRecord(record, Printer(21021)), ManagerEnd::Save, 21021, old);
    EXPECT_EQ(old.RfInterface, 1u);
}

TEST(ManagerPages, SentinelsTravelInWindowOrder) {
    PrinterConfig record;
    record.StartSentinel = {"a", "b", "c"};
    record.EndSentinel = {"x", "y", "z"};
    const ManagerFields fields = ShowRecord(record, Printer(21021));
    EXPECT_EQ(fields.page2.sentinels, (SentinelSix{"a", "b", "c", "x", "y", "z"}));
    PrinterConfig back;  // every track's texts must come from the page
    CopyBack(fields, fields, ManagerEnd::Save, 21021, back);
    EXPECT_EQ(std::tie(back.StartSentinel, back.EndSentinel), std::tie(record.StartSentinel, record.EndSentinel));
}

}  // namespace
}  // namespace pelmora::vmsm
