// The one reading of an address and a port, as the command line, both windows
// and the simulator's --listen take them.
#include <gtest/gtest.h>

#include "context/TcpAddress.h"

namespace pelmora::context {
namespace {

TEST(TcpAddress, DottedIpv4) {
    const struct { const char* text; bool valid; } cases[] = {
        {"0.0.0.0", true},      {"10.0.0.5", true},   {"255.255.255.255", true}, {"0.10.9.255", true},
        {"256.0.0.1", false},   {"1.2.3", false},     {"1.2.3.4.5", false},      {"1.2.3.", false},
        {".1.2.3", false},      {"1..2.3", false},    {"010.0.0.1", false},      {"1.2.3.00", false},
        {"1.2.3.4 ", false},    {" 1.2.3.4", false},  {"a.b.c.d", false},        {"", false},
        {"1234.1.1.1", false},  {"x1.2.3.4", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDottedIpv4(c.text), c.valid) << c.text;
}

TEST(TcpAddress, PortDigitsOnlyWithinRange) {
    const struct { const char* text; int port; } cases[] = {
        {"9100", 9100}, {"1", 1},     {"65535", 65535}, {"0", -1},     {"65536", -1}, {"", -1},
        {"-5", -1},     {"91a0", -1}, {"999999", -1},   {" 80", -1},   {"+80", -1},   {"/100", -1},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseTcpPort(c.text);
        EXPECT_EQ(parsed ? int(*parsed) : -1, c.port) << c.text;
    }
    EXPECT_EQ(ParseTcpPort("0", 0), 0);  // a listener's "any free port"
}

TEST(TcpAddress, AddressWithPort) {
    const struct { const char* text; std::uint16_t lowest; std::optional<std::uint16_t> none; TcpAddress::Problem problem; int port; } cases[] = {
        {"127.0.0.1:9100", 1, std::nullopt, TcpAddress::None, 9100},
        {"127.0.0.1:0", 0, std::nullopt, TcpAddress::None, 0},
        {"127.0.0.1:0", 1, 9100, TcpAddress::BadPort, 0},
        {"10.0.0.5", 1, 9100, TcpAddress::None, 9100},
        {"10.0.0.5", 0, std::nullopt, TcpAddress::BadPort, 0},
        {"127.0.0.1:0abc", 0, std::nullopt, TcpAddress::BadPort, 0},
        {"127.0.0.1:", 0, 9100, TcpAddress::BadPort, 0},
        {"127.0.0.1:70000", 0, std::nullopt, TcpAddress::BadPort, 0},
        {"127.0.0.1:80:81", 0, std::nullopt, TcpAddress::BadPort, 0},
        {":0abc", 0, std::nullopt, TcpAddress::BadAddress, 0},
        {":9100", 0, std::nullopt, TcpAddress::BadAddress, 0},
        {"", 1, 9100, TcpAddress::BadAddress, 0},
        {"printer.local:9100", 1, std::nullopt, TcpAddress::BadAddress, 0},
    };
    for (const auto& c : cases) {
        const TcpAddress parsed = ParseTcpAddress(c.text, c.lowest, c.none);
        EXPECT_EQ(parsed.problem, c.problem) << c.text;
        EXPECT_EQ(parsed.problem == TcpAddress::None ? int(parsed.port) : 0, c.port) << c.text;
    }
    EXPECT_EQ(CheckTcpAddress("10.0.0.5", "0").problem, TcpAddress::BadPort);  // the windows connect, never listen
    EXPECT_EQ(CheckTcpAddress("10.0.0", "0").problem, TcpAddress::BadAddress);
}

}  // namespace
}  // namespace pelmora::context
