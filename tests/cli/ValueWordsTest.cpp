// How values are written for people and read back: the field list of `config set
// --help`, the windows' words for codes, and Latin-1 text such as device names.
#include <gtest/gtest.h>


#include "cli/ConfigEdits.h"
#include "cli/Latin1.h"
#include "cli/ValueWords.h"

namespace pelmora::cli {
namespace {

TEST(FieldsHelp, EveryFieldWithItsValuesInShortLines) {
    const std::string help = FieldsHelp();
    // Each form the field table gives (a range, one shared with neighbours, a list, an index, a length), wrapped
    // before 100 columns; then each word with its code.
    EXPECT_EQ(help.substr(0, help.find("\nOnly")),
              "Fields: Density 0..7, Speed 0..1, CodePage (the firmware's list), Service 0..1, FontType 0..2,\n"
              "BeepPaper, BeepLowBat, CharMode 0..1, TimeOff 0..90, TimeSave 0..255, CuttingPosition 0..640,\n"
              "Msr 0..7, Baudrate 2400|4800|9600|19200|38400|57600|115200, Databit 7|8, Parity 0..2,\n"
              "Flowcontrol 1|2, Sentinel 0..2, StartSentinel[1..3], EndSentinel[1..3], BtSecurity 0..1,\n"
              "BtConnMode 0..2, BtKeep 0..1, RfInterface 0..2, BtPinCode (12), BtDeviceName (30).");
    EXPECT_NE(help.find("(or BtKeep=0).\nValues by name (any case; or the code):\n  Service=0  Receipt\n"),
              std::string::npos);
}

// The words an operator reads in `config get` go back in as the same codes;
// anything else is left to the number parser, which refuses it.
TEST(ValueWords, ShownTextsAndUnitsGiveTheCodes) {
    struct Word { const char* field; const char* text; std::optional<std::uint32_t> code; };
    const Word cases[] = {
        {"BeepPaper", "on", 0},       {"BeepPaper", "OFF", 1},       {"BeepLowBat", " On ", 0},
        {"Parity", "even", 2},        {"Service", "Label", 1},       {"BtConnMode", "mode 3", 2},
        {"Sentinel", "Static Sentinal", 1},                          {"TimeOff", "30min", 30},
        {"TimeOff", "30 minutes", 30}, {"TimeSave", "60s", 60},      {"CuttingPosition", "120units", 120},
        {"BeepPaper", "1", std::nullopt},   // a code stays a code
        {"BeepPaper", "maybe", std::nullopt}, {"TimeOff", "30h", std::nullopt}, {"TimeOff", "min", std::nullopt},
        {"TimeOff", "4294967296min", std::nullopt},  // past 32 bits: no wrap to 0
        {"TimeSave", "30min", std::nullopt}, {"Density", "on", std::nullopt}, {"BtPinCode", "on", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(CodeOfWord(c.field, c.text), c.code) << c.field << "=" << c.text;
    // Density's percentages are codes in another order from the firmware that reorders them on.
    const Word onReordered[] = {{"Density", "140%", 5}, {"Density", " 150 % ", 3}, {"Density", "80%", 7},
                                {"Density", "145%", std::nullopt}, {"BeepPaper", "on", std::nullopt}};
    for (const auto& c : onReordered) EXPECT_EQ(CodeOfWordOn(c.field, c.text, 160902), c.code) << c.field << "=" << c.text;
}

// Beyond Latin-1 (the euro sign): CommandLineTest's BtDeviceName; \xE9 as UTF-8: ConfigCommand's JSON.
TEST(Latin1, EveryByteSurvivesTheRoundTripAndBrokenUtf8IsRefused) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
    EXPECT_FALSE(Utf8ToLatin1("\xC3\x41").has_value());      // no continuation byte
}

}  // namespace
}  // namespace pelmora::cli
