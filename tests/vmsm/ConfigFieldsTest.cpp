// The record's field table (the editors' ranges, limits and rules), the record in
// the settings store, the editors' lists and the sentinel window's checks.
#include <gtest/gtest.h>

#include <tuple>

#include "context/SettingsStore.h"
#include "support/TempDir.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"
#include "vmsm/PrinterConfig.h"
#include "vmsm/SentinelCheck.h"

namespace pelmora::vmsm {
namespace {

TEST(ConfigFields, RangesWithTheValuesJustOutside) {
    // Each field's editor range is in config set --help (FieldsHelp, compared whole) and its bounds are the number
    // boxes' (NumberBox, TimeOff=91 in ConfigCommand): here the code page's firmware and a list's members.
    struct Case { const char* name; std::uint32_t firmware, value; bool allowed; };
    const Case cases[] = {
        {"CodePage", 100999, 31, true}, {"CodePage", 100999, 32, false}, {"CodePage", 101000, 36, true},
        {"CodePage", 101000, 37, false}, {"Baudrate", 0, 115200, true},   {"Baudrate", 0, 14400, false},
    };
    for (const Case& c : cases) {
        const NumberField* field = FindNumberField(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        EXPECT_EQ(EditRangeOf(*field, c.firmware).Allows(c.value), c.allowed) << c.name << "=" << c.value << " on " << c.firmware;
    }
    for (const char* none : {"Colour", "BtPinCode"}) EXPECT_EQ(FindNumberField(none), nullptr) << none;

    // What the record holds, from 0 up: wider than the editors where a printer may report more.
    const struct { const char* name; std::uint32_t last; } held[] = {
        {"CodePage", 63}, {"TimeOff", 127}, {"CuttingPosition", 65535}, {"Msr", 15}, {"Flowcontrol", 9}, {"BtSecurity", 9}, {"Density", 7}};
    for (const auto& c : held) {
        const EditRange range = HeldRangeOf(*FindNumberField(c.name));
        EXPECT_EQ(std::tuple(range.Allows(0), range.Allows(c.last), range.Allows(c.last + 1)), std::tuple(true, true, false)) << c.name;
    }
    const EditRange baud = HeldRangeOf(*FindNumberField("Baudrate"));
    EXPECT_TRUE(baud.Allows(1200) && baud.Allows(57600) && baud.Allows(115200));
    EXPECT_FALSE(baud.Allows(14400) || baud.Allows(0));
    // The lowest code page is 0 on every firmware.
    EXPECT_TRUE(EditRangeOf(NumberFieldOf(&PrinterConfig::CodePage), 0).Allows(0));
    // By member too where the record keeps no value, and the texts' limits.
    EXPECT_EQ(&NumberFieldOf(&PrinterConfig::RfInterface), FindNumberField("RfInterface"));
    EXPECT_EQ(std::tuple(TextFieldOf(&PrinterConfig::BtPinCode).maxLength, FindTextField("BtDeviceName")->maxLength), std::tuple(12u, 30u));
}

TEST(ConfigFields, CodePageRangeIsTheFirmwaresList) {
    const NumberField& codePage = NumberFieldOf(&PrinterConfig::CodePage);
    for (std::uint32_t firmware : {0u, 20999u, 21000u, 100999u, 101000u, 160902u})
        for (context::Layout variant : {context::Layout::Desktop, context::Layout::Handheld})
            EXPECT_EQ(EditRangeOf(codePage, firmware).max + 1, lists::CodePageEntries(variant, firmware).size()) << firmware;
}

TEST(ConfigFields, BluetoothTextsRefuseCrAndNul) {
    const std::pair<std::string, bool> texts[] = {
        {"MPT-Q700VII", true}, {"", true}, {"a\nb", true}, {"a\rb", false}, {std::string("a\0b", 3), false},
    };
    for (const auto& [text, sendable] : texts) EXPECT_EQ(IsSendableText(text), sendable) << text;
}

TEST(ConfigFields, BluetoothStartsAtTheEditorsValuesOnlyWhereNoneIsRead) {
    PrinterConfig read;
    read.BtSecurity = 0, read.BtConnMode = 2, read.BtPinCode = "0000", read.BtDeviceName = "Counter 3";
    // Below 101000 the editors' values (ManagerPages.BluetoothGoesBackOnlyWhenTicked shows them on 21021).
    PrinterConfig wide = read;
    StartBluetoothFields(wide, 101000, "MPT-Q700VII");
    EXPECT_EQ(wide, read);
}

TEST(ConfigFields, NumberBoxesTellBadNumbersFromOutOfRangeOnes) {
    const EditRange timeOff = NumberFieldOf(&PrinterConfig::TimeOff).edit;
    using enum NumberBox::Check;
    const std::tuple<const char*, NumberBox::Check, std::uint32_t> cases[] = {
        {" 90 ", Ok, 90},        {"0", Ok, 0},              {"007", Ok, 7},         {"91", OutOfRange, 0},
        {"4294967296", OutOfRange, 0}, {"99999999999999999999999", OutOfRange, 0},
        {"", NotANumber, 0},     {"   ", NotANumber, 0},    {"-1", NotANumber, 0},  {"3 0", NotANumber, 0},
    };
    for (const auto& [text, check, value] : cases) {
        const NumberBox box = ReadNumberBox(text, timeOff);
        EXPECT_EQ(std::tie(box.check, box.value), std::tie(check, value)) << "'" << text << "'";
    }
}

constexpr const char* kKey = context::ProductKey;

TEST(PrinterConfigStore, DefaultsNamesOrderAndRoundTrip) {
    test::TempDir dir;
    context::SettingsStore store(dir / "r.reg");
    PrinterConfig r;
    for (const auto& f : kStoredFields) r.*f.member = 77;
    r.BtPinCode = "kept";
    r.RfInterface = 2;
    PrinterConfig want = r;
    for (const auto& f : kStoredFields) want.*f.member = 0;
    want.Density = 4; want.Msr = 6; want.Baudrate = 115200; want.Databit = 8; want.Flowcontrol = 1;
    EXPECT_EQ(LoadFromStore(r, store, kKey), 1);
    EXPECT_EQ(r, want) << "an empty store gives the defaults; texts and Bluetooth fields are not loaded";

    std::uint32_t value = 1;
    for (const auto& f : kStoredFields) r.*f.member = value++ * 3;
    EXPECT_EQ(SaveToStore(r, store, kKey, "V1.00 090216", '9'), 1);
    EXPECT_EQ(store.ValueNames(kKey),
              (std::vector<std::string>{"Density", "Speed", "CodePage", "Service", "FontType", "BeepPaper", "BeepLowBat",
                                        "CharMode", "TimeOff", "TimeSave", "CuttingPosition", "Msr", "Baudrate",
                                        "Databit", "Parity", "Flowcontrol", "Fwver", "Msrmode", "Sentinel"}));
    std::string version;
    std::uint32_t msr = 0;
    EXPECT_EQ(std::tuple(store.GetRegString(kKey, "Fwver", version), store.GetRegDword(kKey, "Msrmode", msr)), std::tuple(1, 1));
    EXPECT_EQ(std::tie(version, msr), std::tuple("V1.00 090216", std::uint32_t{'9'}));

    PrinterConfig back;
    LoadFromStore(back, store, kKey);
    for (const auto& f : kStoredFields) EXPECT_EQ(back.*f.member, r.*f.member) << f.name;
    store.SetRegString(kKey, "Msr", "3");  // a mistyped value gives its default, and only it
    LoadFromStore(back, store, kKey);
    EXPECT_EQ(std::tie(back.Msr, back.TimeOff), std::tuple(6u, r.TimeOff));
}

// Where codes 3 and 4 are shown, and the index stored below 1040: ManagerPagesTest.
TEST(ConfigLists, DensityCodesAndIndexes) {
    for (std::uint32_t code = 0; code < 8; ++code)
        EXPECT_EQ(lists::DensityIndexToCode(lists::DensityCodeToIndex(code), 1040), code) << code << ": the round trip holds from 1040 on";
    EXPECT_EQ(lists::DensityEntries(context::Layout::Desktop)[lists::DensityCodeToIndex(4)], " 100%");
}

TEST(ConfigLists, ChoicesByFirmwareAndMsrMode) {
    EXPECT_EQ(lists::CodePageEntries(context::Layout::Desktop, 21021)[30], "WPC1258 - Vietnamese");
    EXPECT_EQ(lists::CodePageEntries(context::Layout::Desktop, 20999)[30], "Reserved");
    const auto msr = [](std::uint8_t mode, std::uint32_t firmware) { return lists::HandheldMsrTriggerEntries(mode, firmware); };
    const lists::Entries encrypted{"Only Encription MSR"};
    EXPECT_EQ(std::tuple(msr('P', 101001), msr('9', 11060), msr(0x60, 101001)),
              std::tuple(encrypted, encrypted, lists::Entries{"IC card mode"}));
    EXPECT_EQ(std::tuple(msr('8', 101001).size(), msr('9', 11059).size(), msr('9', 101001).size()), std::tuple(9u, 9u, 8u));
    for (const auto& [model, fastest] : {std::pair{701u, "90mm/s"}, std::pair{702u, "90mm/s"}, std::pair{710u, "90mm/s"},
                                         std::pair{900u, "80mm/s"}, std::pair{703u, "100mm/s"}}) {
        EXPECT_EQ(lists::SpeedEntries(context::Layout::Desktop, 101001, model), (lists::Entries{fastest, "50mm/s"})) << model;
        EXPECT_EQ(lists::SpeedEntries(context::Layout::Handheld, 101001, model).front(), "100mm/s") << model;
    }
    EXPECT_EQ(lists::EntryOr(lists::ParityEntries(), 5), "5");
}

TEST(SentinelWindow, ParserChecksAndConfirm) {
    const std::string error(kSentinelParserError);
    const std::pair<const char*, std::string> hexa[] = {
        {"25 3F", "%?"}, {"253F", "%?"}, {"  25   3F  ", "%?"}, {"0a 1F", "\x0A\x1F"}, {"2 53F", error},
        {"25 3", ""},    {"2G", error},  {"25\t3F", error},      {"", ""},     {"\t25", "%"},
    };
    for (const auto& [in, out] : hexa) EXPECT_EQ(SentinelParser(in), out) << in;
    const std::tuple<const char*, bool, std::string_view> checks[] = {
        {"%", true, ""}, {"", false, ""}, {"", true, kSentinelLengthText}, {"ABCDEFGHIJ", true, ""},
        {"ABCDEFGHIJK", false, kSentinelLengthText}, {"\x1F", false, kSentinelValueText}, {"\x7F", false, ""},
        {"\x80", false, kSentinelValueText},
    };
    for (const auto& [text, mustNotBeEmpty, want] : checks) EXPECT_EQ(CheckSentinel(text, mustNotBeEmpty), want) << text;

    // Confirm converts every box or none; a HEXA entry too long gets the length message unconverted.
    const std::string atBound(kSentinelHexaMaxDigits, 'G');  // would be a format error if converted
    struct Case { bool mustNotBeEmpty; SentinelSix boxes; std::string_view want; const char* first; };
    const Case confirms[] = {
        {true, {"25 3F", "3B", "2B", "", "3F", "3F"}, "", "%?"},
        {true, {"0A 1F 10 4C", "3B", "2B", "", "", ""}, kSentinelValueText, "0A 1F 10 4C"},
        {true, {"%", "2 53F", "", "", "", ""}, kInvalidHexaText, "%"},
        {false, {"", "", "", "", "", ""}, kSentinelLengthText, ""},  // start texts may not be empty
        {true, {atBound, "25", "25", "", "", ""}, kInvalidHexaText, nullptr},
        {true, {atBound + "G", "25", "25", "", "", ""}, kSentinelLengthText, nullptr},
        {true, {"25" + std::string(5000, ' ') + "3F", "25", "25", "", "", ""}, "", "%?"},  // spaces do not count
    };
    for (Case c : confirms) {
        const std::string before = c.boxes[0];
        EXPECT_EQ(ConfirmSentinels(c.mustNotBeEmpty, c.boxes), c.want) << before.size();
        EXPECT_EQ(c.boxes[0], c.first ? c.first : before) << before.size();
    }
}

}  // namespace
}  // namespace pelmora::vmsm
