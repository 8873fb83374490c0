// The one reading of an address and a port, as the command line, both windows
// and the simulator's --listen take them.
#include <gtest/gtest.h>

#include "context/TcpAddress.h"

namespace pelmora::context {
namespace {

using P = TcpAddress;

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
    const struct { const char* text; std::uint16_t lowest; std::optional<std::uint16_t> none; P::Problem problem; int port; }
        cases[] = {
        {"127.0.0.1:9100", 1, {}, P::None, 9100},        {"127.0.0.1:0", 0, {}, P::None, 0},
        {"127.0.0.1:0", 1, 9100, P::BadPort, 0},          {"10.0.0.5", 1, 9100, P::None, 9100},
        {"10.0.0.5", 0, {}, P::BadPort, 0},               {"127.0.0.1:0abc", 0, {}, P::BadPort, 0},
        {"127.0.0.1:", 0, 9100, P::BadPort, 0},           {"127.0.0.1:70000", 0, {}, P::BadPort, 0},
        {"127.0.0.1:80:81", 0, {}, P::BadPort, 0},        {":0abc", 0, {}, P::BadAddress, 0},
        {":9100", 0, {}, P::BadAddress, 0},               {"", 1, 9100, P::BadAddress, 0},
        {"printer.local:9100", 1, {}, P::BadAddress, 0},
    };
    for (const auto& c : cases) {
        const TcpAddress parsed = ParseTcpAddress(c.text, c.lowest, c.none);
        EXPECT_EQ(std::tuple(parsed.problem, parsed.problem == P::None ? int(parsed.port) : 0), std::tuple(c.problem, c.port)) << c.text;
    }
    EXPECT_EQ(CheckTcpAddress("printer.local", "9100").problem, P::BadAddress);  // the windows keep IPv4
    EXPECT_EQ(CheckTcpAddress("10.0.0.5", "0").problem, P::BadPort);  // the windows connect, never listen
    EXPECT_EQ(CheckTcpAddress("10.0.0", "0").problem, P::BadAddress);
    EXPECT_EQ(ParseTcpAddress("10.0.0.5:9101", 1, {}).host, "10.0.0.5");
}

// What an operator types for a printer: names, IPv4 and IPv6, with or without a port;
// the text it is named back by reads the same again.
TEST(TcpAddress, PrinterAddressesByNameOrIpv6) {
    const struct { const char* text; P::Problem problem; const char* host = ""; int port = 0; const char* named = ""; } cases[] = {
        {"printer-12.store.example", P::None, "printer-12.store.example", 9100, "printer-12.store.example:9100"},
        {"till1:9101", P::None, "till1", 9101, "till1:9101"},
        {"10.0.12.21", P::None, "10.0.12.21", 9100, "10.0.12.21:9100"},
        {"[fd00::21]:9101", P::None, "fd00::21", 9101, "[fd00::21]:9101"},
        {"[::1]", P::None, "::1", 9100, "[::1]:9100"},
        {"fd00::21", P::None, "fd00::21", 9100, "[fd00::21]:9100"},
        {"[fd00::21]9101", P::BadPort}, {"till1:0", P::BadPort}, {"till1:", P::BadPort}, {"[fd00::21", P::BadAddress},
        {"[printer]:9100", P::BadAddress}, {"10.1", P::BadAddress}, {"0x7f.0.0.1", P::BadAddress},
        {"-till.shop", P::BadAddress}, {"till..shop", P::BadAddress}, {"till_1", P::BadAddress}, {"till 1", P::BadAddress},
        {"till.shop.", P::BadAddress}, {"", P::BadAddress},
    };
    for (const auto& c : cases) {
        const TcpAddress parsed = ParsePrinterAddress(c.text, 9100);
        EXPECT_EQ(parsed.problem, c.problem) << c.text;
        if (c.problem != P::None) continue;
        EXPECT_EQ(std::tuple(parsed.host, parsed.port, PrinterAddressText(parsed.host, parsed.port)),
                  std::tuple(c.host, c.port, c.named)) << c.text;
        EXPECT_EQ(ParsePrinterAddress(c.named, 1).host, parsed.host) << c.named;
    }
    // A name's label holds up to 63 characters, the whole name 253.
    const std::string label(63, 'a'), three = label + '.' + label + '.' + label + '.';
    EXPECT_EQ(ParsePrinterAddress(label + ".shop", 9100).problem, P::None);
    EXPECT_EQ(ParsePrinterAddress(label + "a.shop", 9100).problem, P::BadAddress);
    EXPECT_EQ(ParsePrinterAddress(three + std::string(61, 'a'), 9100).problem, P::None);
    EXPECT_EQ(ParsePrinterAddress(three + std::string(62, 'a'), 9100).problem, P::BadAddress);
}

}  // namespace
}  // namespace pelmora::context
