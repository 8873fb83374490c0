// What a printer search covers: every form of target read into blocks, and
// every malformed or oversized one refused before anything is sent.
#include <gtest/gtest.h>

#include "context/ScanTargets.h"

namespace pelmora::context {
namespace {

std::vector<std::string> FakeLookUp(const std::string& name, std::string& error) {
    if (name == "printer.example") return {"10.0.0.7", "fd00::7"};
    error = "Name or service not known";
    return {};
}

ScanTargets Parse(const std::string& text, bool force = false) {
    return ParseScanTargets({text}, 9100, force, FakeLookUp);
}

TEST(ScanTargets, EachFormCoversItsAddresses) {
    const struct { const char* text; std::uint64_t count; const char* first; const char* last; int port; } cases[] = {
        {"10.0.0.5", 1, "10.0.0.5", "10.0.0.5", 9100}, {"10.0.0.5:9101", 1, "10.0.0.5", "10.0.0.5", 9101},
        {"192.168.1.10-160", 151, "192.168.1.10", "192.168.1.160", 9100}, {"192.168.1.7-7", 1, "192.168.1.7", "192.168.1.7", 9100},
        {"192.168.1.250-192.168.2.3", 10, "192.168.1.250", "192.168.2.3", 9100},
        // Network and broadcast address are left out; host bits typed are ignored.
        {"10.4.0.0/22", 1022, "10.4.0.1", "10.4.3.254", 9100}, {"10.4.1.9/24", 254, "10.4.1.1", "10.4.1.254", 9100},
        {"10.4.1.8/31", 2, "10.4.1.8", "10.4.1.9", 9100},       {"10.4.1.9/32:9200", 1, "10.4.1.9", "10.4.1.9", 9200},
        {"127.0.0.0/16", 65534, "127.0.0.1", "127.0.255.254", 9100},
        {"::1", 1, "::1", "::1", 9100}, {"[fe80::1]:9102", 1, "fe80::1", "fe80::1", 9102},
        {"2001:db8::/120", 255, "2001:db8::1", "2001:db8::ff", 9100}, {"2001:db8::10-001f", 16, "2001:db8::10", "2001:db8::1f", 9100},
        {"2001:db8::a0-AF", 16, "2001:db8::a0", "2001:db8::af", 9100}, {"2001:db8::9-a", 2, "2001:db8::9", "2001:db8::a", 9100},
        {"2001:db8::fffe-2001:db8::1:1", 4, "2001:db8::fffe", "2001:db8::1:1", 9100},
    };
    for (const auto& c : cases) {
        const ScanTargets t = Parse(c.text);
        ASSERT_EQ(t.error, "") << c.text;
        ASSERT_EQ(t.blocks.size(), 1u) << c.text;
        EXPECT_EQ(std::tuple(t.total, ScanAddressAt(t.blocks[0], 0), ScanAddressAt(t.blocks[0], c.count - 1), t.blocks[0].port),
                  std::tuple(c.count, c.first, c.last, c.port)) << c.text;
    }
}

TEST(ScanTargets, AHostNameBecomesEachOfItsAddressesUnderItsName) {
    const ScanTargets t = ParseScanTargets({"printer.example:9105", "10.1.1.1-2"}, 9100, false, FakeLookUp);
    ASSERT_EQ(t.error, "");
    EXPECT_EQ(t.total, 4u);
    std::string blocks;
    for (const ScanBlock& b : t.blocks) blocks += ScanAddressAt(b, 0) + " " + b.hostName + ":" + std::to_string(b.port) + "; ";
    EXPECT_EQ(blocks, "10.0.0.7 printer.example:9105; fd00::7 printer.example:9105; 10.1.1.1 :9100; ");
}

TEST(ScanTargets, BadOrOversizedTargetsAreRefusedWithTheirReason) {
    const struct { const char* text; const char* says; } cases[] = {
        {"300.1.1.1", "is not an address"}, {"[::1]x", "is not an address"}, {"no such host", "is not an address"},
        {"-printer", "is not an address"}, {"unknown.example", "host name is not known (Name or service not known)"},
        {"10.0.0.5:0", "port must be"}, {"10.0.0.5:", "port must be"}, {"10.0.0.5:70000", "port must be"},
        {"10.0.0.0/33", "prefix length is at most 32"}, {"fe80::/129", "prefix length is at most 128"},
        {"10.0.0.0/", "not a CIDR block"}, {"10.0.0.0/x", "not a CIDR block"}, {"10.0.0.9-4", "runs backwards"},
        {"10.0.0.1-256", "not an address range"}, {"2001:db8::1-0001f", "not an address range"}, {"10.0.0.1-04", "not an address range"},
        {"10.0.0.1-::9", "not an address range"}, {"10.0.0.1-", "not an address range"},
        {"10.0.0.0/15", "needs --force"}, {"10.0.0.0-10.1.0.1", "needs --force"},
        {"10.0.0.0/7", "more than 16777216"}, {"fe80::/64", "more than 16777216"},
    };
    for (const auto& c : cases) {
        const ScanTargets t = Parse(c.text);
        EXPECT_NE(t.error.find(c.says), std::string::npos) << c.text << ": " << t.error;
        EXPECT_EQ(std::tuple(t.blocks.size(), t.total), std::tuple(0u, 0u)) << c.text;
    }
    // One bad target refuses the lot, so nothing of a mistyped list is searched.
    EXPECT_TRUE(ParseScanTargets({"10.0.0.1", "10.0.0.9-4"}, 9100, false, FakeLookUp).blocks.empty());
    EXPECT_EQ(Parse("10.0.0.0/15", true).total, 131070u);
    EXPECT_EQ(Parse("10.0.0.0/8", true).total, 16777214u);
}

}  // namespace
}  // namespace pelmora::context
