// How values are written for people and read back: the field list of `config set
// --help`, the windows' words for codes, and Latin-1 text such as device names.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/ConfigEdits.h"
#include "cli/Latin1.h"
#include "cli/ValueWords.h"

namespace pelmora::cli {
namespace {

TEST(FieldsHelp, EveryFieldWithItsValuesInShortLines) {
    const std::string help = FieldsHelp();
    // One of each form the field table gives (a range, one shared with neighbours, a list, an index, a length, a word).
    for (const char* part : {"Fields: Density 0..7, Speed 0..1, CodePage (the firmware's list),",
                             "BeepPaper, BeepLowBat, CharMode 0..1", "Baudrate 2400|4800|9600|19200|38400|57600|115200",
                             "StartSentinel[1..3]", "BtKeep 0..1", "BtDeviceName (30).", "  BeepPaper=0  On\n", "TimeOff=30min"})
        EXPECT_NE(help.find(part), std::string::npos) << part << "\n" << help;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 100u) << line;
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
    EXPECT_FALSE(Utf8ToLatin1("\xC3").has_value());          // cut short
    EXPECT_FALSE(Utf8ToLatin1("\xC3\x41").has_value());      // no continuation byte
}

}  // namespace
}  // namespace pelmora::cli
