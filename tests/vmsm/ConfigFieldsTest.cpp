// The editors' ranges, limits and rules in the record's field table.
#include <gtest/gtest.h>

#include <tuple>

#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"
#include "vmsm/VmsmCommands.h"

namespace pelmora::vmsm {
namespace {

TEST(ConfigFields, RangesWithTheValuesJustOutside) {
    struct Case { const char* name; std::uint32_t firmware, value; bool allowed; };
    const Case cases[] = {
        {"TimeOff", 0, 90, true},          {"TimeOff", 0, 91, false},        {"TimeSave", 0, 255, true},
        {"TimeSave", 0, 256, false},       {"TimeSave", 0, 5, true},         {"CuttingPosition", 0, 640, true},
        {"CuttingPosition", 0, 641, false}, {"Density", 0, 7, true},          {"Density", 0, 8, false},
        {"Msr", 0, 8, false},              {"Baudrate", 0, 2400, true},      {"Baudrate", 0, 115200, true},
        {"Baudrate", 0, 1200, false},      {"Baudrate", 0, 14400, false},    {"Databit", 0, 6, false},
        {"Databit", 0, 7, true},           {"Flowcontrol", 0, 0, false},     {"Flowcontrol", 0, 2, true},
        {"CodePage", 100999, 31, true},    {"CodePage", 100999, 32, false},  {"CodePage", 101000, 36, true},
        {"CodePage", 101000, 37, false},   {"BtConnMode", 0, 3, false},      {"RfInterface", 0, 2, true},
    };
    for (const Case& c : cases) {
        const NumberField* field = FindNumberField(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        EXPECT_EQ(EditRangeOf(*field, c.firmware).Allows(c.value), c.allowed)
            << c.name << "=" << c.value << " on " << c.firmware;
    }
    EXPECT_EQ(FindNumberField("Colour"), nullptr);
    EXPECT_EQ(FindNumberField("BtPinCode"), nullptr);

    // What the record holds: wider than the editors where a printer may report more.
    const Case held[] = {
        {"TimeOff", 0, 127, true},  {"TimeOff", 0, 128, false},     {"Baudrate", 0, 1200, true},
        {"Baudrate", 0, 57600, true}, {"Baudrate", 0, 14400, false}, {"Density", 0, 8, false},
    };
    for (const Case& c : held)
        EXPECT_EQ(HeldRangeOf(*FindNumberField(c.name)).Allows(c.value), c.allowed) << c.name << "=" << c.value;
}

TEST(ConfigFields, CodePageRangeIsTheFirmwaresList) {
    const NumberField& codePage = NumberFieldOf(&PrinterConfig::CodePage);
    for (std::uint32_t firmware : {0u, 20999u, 21000u, 100999u, 101000u, 160902u})
        for (context::Layout variant : {context::Layout::Desktop, context::Layout::Handheld})
            EXPECT_EQ(EditRangeOf(codePage, firmware).max + 1, lists::CodePageEntries(variant, firmware).size())
                << firmware;
}

TEST(ConfigFields, LookupsByNameAndMemberAgree) {
    const auto check = [](const auto& table) {
        for (const NumberField& f : table) {
            EXPECT_EQ(FindNumberField(f.name), &f);
            EXPECT_EQ(&NumberFieldOf(f.member), &f);
        }
    };
    check(kStoredFields);
    check(kUnstoredNumberFields);
    EXPECT_EQ(TextFieldOf(&PrinterConfig::BtPinCode).maxLength, 12u);
    EXPECT_EQ(FindTextField("BtDeviceName")->maxLength, 30u);
}

TEST(ConfigFields, BluetoothTextsFitTheCommandAndRefuseCrAndNul) {
    std::size_t longest = 0;
    for (const TextField& f : kBluetoothTexts) longest += f.maxLength;
    EXPECT_LE(longest, cmd::kBtTextsMax);
    const std::pair<std::string, bool> texts[] = {
        {"MPT-Q700VII", true}, {"", true}, {"a\nb", true}, {"a\rb", false}, {std::string("a\0b", 3), false},
    };
    for (const auto& [text, sendable] : texts) EXPECT_EQ(IsSendableText(text), sendable) << text;
}

TEST(ConfigFields, BluetoothStartsAtTheEditorsValuesOnlyWhereNoneIsRead) {
    PrinterConfig read;
    read.BtSecurity = 0, read.BtConnMode = 2, read.BtPinCode = "0000", read.BtDeviceName = "Counter 3";
    PrinterConfig wide = read, older = read;
    StartBluetoothFields(wide, 101000, "MPT-Q700VII");
    EXPECT_EQ(wide, read);
    StartBluetoothFields(older, 100999, "MPT-Q700VII");
    EXPECT_EQ(std::tie(older.BtSecurity, older.BtConnMode, older.BtPinCode, older.BtDeviceName),
              std::tuple(1u, 1u, "5291", "MPT-Q700VII"));
    EXPECT_TRUE(IsBluetoothField("BtPinCode"));
    EXPECT_FALSE(IsBluetoothField("BtKeep"));
    EXPECT_EQ(BtKeepFor(true), 0u);
    EXPECT_EQ(BtKeepFor(false), 1u);
}

TEST(ConfigFields, NumberBoxesTellBadNumbersFromOutOfRangeOnes) {
    const EditRange timeOff = NumberFieldOf(&PrinterConfig::TimeOff).edit;
    using enum NumberBox::Check;
    const std::tuple<const char*, NumberBox::Check, std::uint32_t> cases[] = {
        {"30", Ok, 30},          {" 90 ", Ok, 90},          {"0", Ok, 0},           {"007", Ok, 7},
        {"91", OutOfRange, 0},   {"4294967296", OutOfRange, 0}, {"99999999999999999999999", OutOfRange, 0},
        {"", NotANumber, 0},     {"   ", NotANumber, 0},    {"-1", NotANumber, 0},  {"+5", NotANumber, 0},
        {"3 0", NotANumber, 0},  {"abc", NotANumber, 0},    {"1e2", NotANumber, 0},
    };
    for (const auto& [text, check, value] : cases) {
        const NumberBox box = ReadNumberBox(text, timeOff);
        EXPECT_EQ(box.check, check) << "'" << text << "'";
        if (check == Ok) {
            EXPECT_EQ(box.value, value) << text;
        }
    }
}

}  // namespace
}  // namespace pelmora::vmsm
