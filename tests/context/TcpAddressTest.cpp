// The core's own check of the address rules; the windows' tables hold the longer lists.
#include <gtest/gtest.h>

#include "context/TcpAddress.h"

namespace pelmora::context {
namespace {

TEST(TcpAddress, DigitsLeadingZerosAndStrayCharacters) {
    const struct { const char* text; bool valid; } cases[] = {
        {"0.10.9.255", true}, {"256.1.2.3", false}, {"01.2.3.4", false},
        {"1.2.3.00", false},  {" 1.2.3.4", false},  {"x1.2.3.4", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDottedIpv4(c.text), c.valid) << c.text;
    EXPECT_EQ(ParseTcpPort("9100"), 9100);
    EXPECT_EQ(ParseTcpPort("/100"), std::nullopt);
}

}  // namespace
}  // namespace pelmora::context
