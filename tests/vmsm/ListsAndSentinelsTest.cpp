// The editors' lists and the sentinel window's parser and check.
#include <gtest/gtest.h>

#include "vmsm/ConfigLists.h"
#include "vmsm/SentinelCheck.h"

namespace pelmora::vmsm {
namespace {

TEST(ConfigLists, DensityCodesAndIndexes) {
    const std::uint32_t indexOfCode[] = {2, 3, 4, 0, 5, 1, 6, 7};
    for (std::uint32_t code = 0; code < 8; ++code) {
        const std::uint32_t index = lists::DensityCodeToIndex(code);
        EXPECT_EQ(index, indexOfCode[code]) << code;
        EXPECT_EQ(lists::DensityIndexToCode(index, 101001), code) << "round trip from 1040 on";
    }
    EXPECT_EQ(lists::DensityEntries(Variant::Desktop)[lists::DensityCodeToIndex(4)], " 100%");
    EXPECT_EQ(lists::DensityIndexToCode(lists::DensityCodeToIndex(4), 1039), 5u) << "below 1040 the index is stored";
    EXPECT_EQ(lists::DensityEntries(Variant::Handheld)[6], "print density 90%");
}

TEST(ConfigLists, CodePagesByFirmware) {
    const auto wide = lists::CodePageEntries(Variant::Desktop, 101001);
    ASSERT_EQ(wide.size(), 37u);
    EXPECT_EQ(wide[31], "KHMER");
    EXPECT_EQ(wide[36], "WPC1250 - Latin 2");
    EXPECT_EQ(lists::CodePageEntries(Variant::Handheld, 101001)[36], "WPC1250 ");
    const auto legacy = lists::CodePageEntries(Variant::Desktop, 21021);
    ASSERT_EQ(legacy.size(), 32u);
    EXPECT_EQ(legacy[30], "WPC1258 - Vietnamese");
    EXPECT_EQ(legacy[31], "Reserved");
    EXPECT_EQ(lists::CodePageEntries(Variant::Desktop, 20999)[30], "Reserved");
}

TEST(ConfigLists, HandheldMsrTriggers) {
    EXPECT_EQ(lists::HandheldMsrTriggerEntries('P', 101001), lists::Entries{"Only Encription MSR"});
    EXPECT_EQ(lists::HandheldMsrTriggerEntries('9', 11060), lists::Entries{"Only Encription MSR"});
    EXPECT_EQ(lists::HandheldMsrTriggerEntries(0x60, 101001), lists::Entries{"IC card mode"});
    EXPECT_EQ(lists::HandheldMsrTriggerEntries('8', 101001).size(), 9u);
    EXPECT_EQ(lists::HandheldMsrTriggerEntries('9', 11059).size(), 9u);
    EXPECT_EQ(lists::HandheldMsrTriggerEntries('9', 101001).size(), 8u);
    EXPECT_EQ(lists::BaudShown(14400), "19200");
    EXPECT_EQ(lists::EntryOr(lists::ParityEntries(), 5), "5");
}

TEST(SentinelParser, HexaForms) {
    struct Case {
        const char* in;
        std::string out;
    };
    const Case cases[] = {
        {"25 3F", "%?"},
        {"253F", "%?"},
        {"  25   3F  ", "%?"},
        {"0a 1F", "\x0A\x1F"},
        {"2 53F", std::string(kSentinelParserError)},
        {"25 3", ""},
        {"2G", std::string(kSentinelParserError)},
        {"25\t3F", std::string(kSentinelParserError)},
        {"", ""},
    };
    for (const Case& k : cases) EXPECT_EQ(SentinelParser(k.in), k.out) << k.in;
}

TEST(SentinelCheck, LengthAndRange) {
    EXPECT_EQ(CheckSentinel("%", true), "");
    EXPECT_EQ(CheckSentinel("", false), "");
    EXPECT_EQ(CheckSentinel("", true), kSentinelLengthText);
    EXPECT_EQ(CheckSentinel("ABCDEFGHIJ", true), "");
    EXPECT_EQ(CheckSentinel("ABCDEFGHIJK", false), kSentinelLengthText);
    EXPECT_EQ(CheckSentinel("\x1F", false), kSentinelValueText);
    EXPECT_EQ(CheckSentinel("\x7F", false), "");
    EXPECT_EQ(CheckSentinel("\x80", false), kSentinelValueText);
}

TEST(SentinelWindow, ConfirmConvertsThenChecksInOrder) {
    SentinelSix texts{"25 3F", "3B", "2B", "", "3F", "3F"};
    EXPECT_EQ(ConfirmSentinels(true, texts), "");
    EXPECT_EQ(texts[0], "%?");

    SentinelSix sample{"0A 1F 10 4C", "3B", "2B", "", "", ""};
    EXPECT_EQ(ConfirmSentinels(true, sample), kSentinelValueText);
    EXPECT_EQ(sample[0], "0A 1F 10 4C") << "the boxes stay as they were";

    SentinelSix split{"%", "2 53F", "", "", "", ""};
    EXPECT_EQ(ConfirmSentinels(true, split), kInvalidHexaText);

    SentinelSix emptied{"", "", "", "", "", ""};
    EXPECT_EQ(ConfirmSentinels(false, emptied), kSentinelLengthText) << "start texts may not be empty";
}

}  // namespace
}  // namespace pelmora::vmsm
