#include <gtest/gtest.h>

#include "cli/Latin1.h"

namespace pelmora::cli {
namespace {

TEST(Latin1, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const auto back = Utf8ToLatin1(Latin1ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(Latin1ToUtf8("\xE9"), "\xC3\xA9");
}

TEST(Latin1, TextBeyondLatin1OrBrokenUtf8IsRefused) {
    EXPECT_FALSE(Utf8ToLatin1("\xE2\x82\xAC").has_value());  // the euro sign
    EXPECT_FALSE(Utf8ToLatin1("\xC3").has_value());          // cut short
    EXPECT_FALSE(Utf8ToLatin1("\xC3\x41").has_value());      // no continuation byte
}

}  // namespace
}  // namespace pelmora::cli
