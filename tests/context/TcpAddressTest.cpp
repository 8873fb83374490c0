// Rules the windows' own tables miss; only these run with the core's tests.
#include <gtest/gtest.h>

#include "context/TcpAddress.h"

namespace pelmora::context {
namespace {

TEST(TcpAddress, LeadingZerosAndAStrayFirstCharacter) {
    const struct { const char* text; bool valid; } cases[] = {
        {"0.10.2.3", true}, {"01.2.3.4", false}, {"1.2.3.00", false}, {" 1.2.3.4", false}, {"x1.2.3.4", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDottedIpv4(c.text), c.valid) << c.text;
}

}  // namespace
}  // namespace pelmora::context
