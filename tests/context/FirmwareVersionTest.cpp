// The firmware number a version reply gives, and what each number can do.
#include <gtest/gtest.h>

#include <tuple>

#include "context/FirmwareCapabilities.h"
#include "context/FirmwareVersion.h"
#include "context/PrinterContext.h"

namespace pelmora::context {
namespace {

TEST(FirmwareVersionRules, EachModelCodeUsesItsRule) {
    const struct { std::uint32_t model; std::string_view reply; std::uint32_t expected; } cases[] = {
        // 2016-09-02 is the tear-off firmware; the day before and 2015-12-31 are not,
        // later dates keep it, and a reply too short for a date is 101001.
        {703, "_V1.00 090216", 160902}, {703, "_V1.00 123115", 101001}, {703, "_V1.00 090116", 101001},
        {703, "_V2.00 010117", 160902}, {703, "090216", 160902}, {703, "_V1.0", 101001}, {703, "_", 101001},
        {700, "_VER V1.23", 1230}, {720, "_VER V1.23", 1230},  // digits at 6, 8, 9
        {700, {"_VER V1.23", 9}, 120},  // a reply cut from a longer buffer ends where it is cut
        // (123 + 1000) x 10, plus one for "TMS", which needs all three letters
        {700, "_VER 0TMS  1 23", 11231}, {700, "_VER ABC   1 23", 11230}, {700, "_VER 0TXX  1 23", 11230},
        {700, "_VER 0XMS  1 23", 11230}, {700, "_VER 0TMX  1 23", 11230},
        {700, "_B01.10", 21101}, {700, "_V01.10", 21100},  // (110 + 2000) x 10, plus one for 'B'
        {0, "_V01.00", 101000}, {0, "_V02.10", 102100}, {703 + 1, "_V02.10", 102100},  // (100 + 10000) x 10
        {0, "", 100000},  // nothing at all: no digits
        // Blanks and a sign before the digits, and the first non-digit ends them ("-100" wraps as it did).
        {0, "_V+1.00", 101000}, {0, "_V-1.00", 99000}, {0, "_V 1.00", 101000}, {0, "_V\t1.00", 101000},
        {0, "_V1A.00", 100010}, {0, "_V12.3", 101230},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirmwareVersionFromReply(c.model, c.reply), c.expected) << c.model << " " << c.reply;
}

// Only the first eight places and the length are compared; the maker matches exactly.
TEST(ModelAndMakerCheck, ModelComparesEightPlacesAndTheLengthMakerMatchesExactly) {
    const std::pair<const char*, std::uint32_t> models[] = {
        {"_MPT-Q700VII", 703}, {"_MPT-Q700VIIX", 0}, {"_MPT", 0}, {"_MPTxQ7ab VII", 0}, {"", 0},
        {"MPT-Q700VII", 0} /* no '_' */, {"x_MPT-Q700VI", 0} /* '_' elsewhere: the length rule fails */};
    for (const auto& [reply, code] : models) EXPECT_EQ(ModelCodeFromReply(reply), code) << reply;
    for (std::size_t at = 1; at < 12; ++at) {  // one place changed: only '-' and the digits after the 7 may differ
        const std::string reply = std::string("_MPT-Q700VII").replace(at, 1, "#");
        EXPECT_EQ(ModelCodeFromReply(reply), at == 4 || at == 7 || at == 8 ? 703u : 0u) << reply;
    }
    EXPECT_TRUE(IsExpectedMaker("_KORVANE"));
    for (const char* other : {"_KORVAN", "_KORVANEX", "KORVANE", "_korvane"}) EXPECT_FALSE(IsExpectedMaker(other)) << other;
}

// Every threshold, one step below and at it.
TEST(FirmwareCapabilities, EachThresholdFromBothSides) {
    struct Row { std::uint32_t v; Dialect dialect; bool switch3, switch7, encryptedMsrOnly, handheldMsrChoice, legacyPages;
                 std::uint32_t codePages; bool sentinels, wide, tearOff; };
    constexpr Dialect S = Dialect::Standard, L = Dialect::Legacy;
    const Row rows[] = {
        {1039, S, false, true, false, false, false, 32, false, false, false},
        {1040, S, true, true, false, false, false, 32, false, false, false},
        {11059, S, true, true, false, false, false, 32, false, false, false},
        {11060, S, true, false, true, false, false, 32, false, false, false},
        {11061, S, true, true, false, true, false, 32, false, false, false},
        {20999, S, true, true, false, true, false, 32, false, false, false},
        {21000, L, true, true, false, true, true, 32, false, false, false},
        {21020, L, true, true, false, true, true, 32, false, false, false},
        {21021, L, true, true, false, true, true, 32, true, false, false},
        {100999, L, true, true, false, true, true, 32, true, false, false},
        {101000, S, true, true, false, true, true, 37, true, true, false},
        {101001, S, true, true, false, true, true, 37, true, true, false},
        {160901, S, true, true, false, true, true, 37, true, true, false},
        {160902, S, true, true, false, true, true, 37, true, true, true},
        {0xFFFFFFFF, S, true, true, false, true, true, 37, true, true, true},
    };
    for (const Row& r : rows) {
        const FirmwareCapabilities c = CapabilitiesOf(r.v);
        EXPECT_EQ(std::tie(c.dialect, c.switch3, c.densityCodes, c.switch7, c.encryptedMsrOnly, c.handheldMsrChoice),
                  std::tie(r.dialect, r.switch3, r.switch3, r.switch7, r.encryptedMsrOnly, r.handheldMsrChoice)) << r.v;
        EXPECT_EQ(std::tie(c.codePageBit5, c.vietnamese, c.codePages, c.sentinels, c.tearOff),
                  std::tie(r.legacyPages, r.legacyPages, r.codePages, r.sentinels, r.tearOff)) << r.v;
        EXPECT_EQ(DialectOf(r.v), r.dialect) << r.v;
        for (bool wide : {c.threeFonts, c.speedsByModel, c.rfInterface, c.bluetooth, c.switchQ})
            EXPECT_EQ(wide, r.wide) << r.v;
    }
}

}  // namespace
}  // namespace pelmora::context
