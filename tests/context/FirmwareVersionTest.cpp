#include <gtest/gtest.h>

#include "context/PrinterContext.h"
#include "context/FirmwareVersion.h"

namespace pelmora::context {
namespace {

TEST(FirmwareVersionRules, EachModelCodeUsesItsRule) {
    struct Case { std::uint32_t model; const char* reply; std::uint32_t expected; };
    const Case cases[] = {
        {703, "_V1.00 090216", 160902},   // 2016-09-02: the tear-off firmware
        {703, "_V1.00 123115", 101001},   // 2015-12-31
        {703, "_V1.00 090116", 101001},   // the day before
        {703, "_V2.00 010117", 160902},   // later dates keep 160902
        {703, "_X", 101001},              // too short for a date
        {700, "_VER V1.23", 1230},        // digits at 6, 8, 9
        {720, "_VER V1.23", 1230},
        {700, "_VER 0TMS  1 23", 11231},  // (123 + 1000) x 10, plus one for "TMS"
        {700, "_VER ABC   1 23", 11230},
        {700, "_VER 0TXX  1 23", 11230},  // "TMS" needs all three letters
        {700, "_VER 0XMS  1 23", 11230},
        {700, "_VER 0TMX  1 23", 11230},
        {700, "_B01.10", 21101},          // (110 + 2000) x 10 + 1
        {700, "_V01.10", 21100},
        {0, "_V01.00", 101000},           // (100 + 10000) x 10
        {0, "_V02.10", 102100},
        {703 + 1, "_V02.10", 102100},
        {0, "", 100000},                  // nothing at all: no digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirmwareVersionFromReply(c.model, c.reply), c.expected) << c.model << " " << c.reply;
}

// The model variants a printer sends are in QueryModel; these are the replies no printer sends.
TEST(ModelCheck, ComparesEightPlacesAndTheLength) {
    EXPECT_EQ(ModelCodeFromReply("_MPT-Q700VII"), 703u);
    EXPECT_EQ(ModelCodeFromReply("_MPTxQ7ab VII"), 0u);    // 13 characters
    EXPECT_EQ(ModelCodeFromReply("MPT-Q700VII"), 0u);      // no '_'
    EXPECT_EQ(ModelCodeFromReply(""), 0u);
    EXPECT_EQ(ModelCodeFromReply("x_MPT-Q700VI"), 0u);     // '_' elsewhere: the length rule fails
}

// KORVANEX and another maker: QueryMaker.
TEST(MakerCheck, OnlyTheExactMakerPasses) {
    EXPECT_TRUE(IsExpectedMaker("_KORVANE"));
    for (const char* other : {"_KORVAN", "KORVANE", "_korvane"}) EXPECT_FALSE(IsExpectedMaker(other)) << other;
}

}  // namespace
}  // namespace pelmora::context
