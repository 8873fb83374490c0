// Every firmware threshold, one step below and at it.
#include <gtest/gtest.h>

#include "context/FirmwareCapabilities.h"

namespace pelmora::context {
namespace {

TEST(FirmwareCapabilities, EachThresholdFromBothSides) {
    struct Row { std::uint32_t v; Dialect dialect; bool switch3, switch7, encryptedMsrOnly, handheldMsrChoice, legacyPages;
                 std::uint32_t codePages; bool sentinels, wide, tearOff; };
    constexpr Dialect S = Dialect::Standard, L = Dialect::Legacy;
    const Row rows[] = {
        {0, S, false, true, false, false, false, 32, false, false, false},
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
        EXPECT_EQ(c.dialect, r.dialect) << r.v;
        EXPECT_EQ(DialectOf(r.v), r.dialect) << r.v;
        EXPECT_EQ(c.switch3, r.switch3) << r.v;
        EXPECT_EQ(c.densityCodes, r.switch3) << r.v;
        EXPECT_EQ(c.switch7, r.switch7) << r.v;
        EXPECT_EQ(c.encryptedMsrOnly, r.encryptedMsrOnly) << r.v;
        EXPECT_EQ(c.handheldMsrChoice, r.handheldMsrChoice) << r.v;
        EXPECT_EQ(c.codePageBit5, r.legacyPages) << r.v;
        EXPECT_EQ(c.vietnamese, r.legacyPages) << r.v;
        EXPECT_EQ(c.codePages, r.codePages) << r.v;
        EXPECT_EQ(c.sentinels, r.sentinels) << r.v;
        for (bool wide : {c.threeFonts, c.speedsByModel, c.rfInterface, c.bluetooth, c.switchQ})
            EXPECT_EQ(wide, r.wide) << r.v;
        EXPECT_EQ(c.tearOff, r.tearOff) << r.v;
    }
}

}  // namespace
}  // namespace pelmora::context
