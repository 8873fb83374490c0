// Support transcripts: the event lines, and the recording platform on the virtual printer.
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "link/PrinterLink.h"
#include "link/TranscriptPlatform.h"
#include "sim/VirtualPlatform.h"
#include "support/PrinterRig.h"

namespace pelmora {
namespace {

using link::TranscriptEvent;
using Kind = TranscriptEvent::Kind;

TranscriptEvent Make(Kind kind, std::vector<std::uint8_t> bytes = {}, int result = 0, std::string port = "") {
    return {2, 1234, kind, port.empty() ? "" : "serial", std::move(port), std::move(bytes), result};
}

TEST(TranscriptLine, EveryEventSurvivesItsLine) {
    std::vector<std::uint8_t> all(256);
    std::iota(all.begin(), all.end(), 0);
    const TranscriptEvent cases[] = {
        Make(Kind::Open, {}, 0, "\\\\.\\COM3 \"quoted\""),
        Make(Kind::OpenFailed, {}, 0, "/dev/usb/lp0"),
        Make(Kind::Write, {0x1D, 0x49, 0x43}, 3),
        Make(Kind::Write, {0x00, 0x0A, 0x22, 0x5C}, 2),  // cut short
        Make(Kind::Write, {0xFF}, -1),                   // failed
        Make(Kind::Read, all, 256),
        Make(Kind::Timeout),
        Make(Kind::ReadError, {}, -1),
        Make(Kind::Close),
    };
    for (const auto& e : cases) {
        const std::string line = link::TranscriptLine(e);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        bool header = true;
        std::string error;
        const auto back = link::ParseTranscriptLine(line, header, error);
        ASSERT_TRUE(back) << line << ": " << error;
        EXPECT_FALSE(header);
        EXPECT_EQ(std::tie(back->kind, back->link, back->timeMs, back->bytes, back->result, back->channel, back->port),
                  std::tie(e.kind, e.link, e.timeMs, e.bytes, e.result, e.channel, e.port)) << line;
    }
}

TEST(TranscriptLine, HandWrittenLinesAreReadOrRefusedWithAReason) {
    const char* lines[] = {
        "", "not json", "[1, 2]", R"({"t": 1, "link": 1, "event": "explode"})", R"({"t": -1, "link": 1, "event": "close"})",
        R"({"t": 1, "event": "close"})", R"({"t": 1, "link": 4294967296, "event": "close"})",
        R"({"t": 1, "link": -1, "event": "close"})",
        R"({"t": 1, "link": 1, "event": "read", "hex": "1G"})", R"({"t": 1, "link": 1, "event": "read", "hex": "1D 0"})",
        R"({"t": 1, "link": 1, "event": "read"})", R"({"t": 1, "link": 1, "event": "write", "hex": "1D", "taken": 2})",
        R"({"t": 1, "link": 1, "event": "write", "hex": "1D", "taken": "all"})",
        R"({"t": 1, "link": 1, "event": "write", "hex": "1D", "taken": -2})", R"({"t": 1, "link": 1, "event": "read", "hex": "1 D"})",
    };
    for (const char* line : lines) {
        bool header = false;
        std::string error;
        EXPECT_FALSE(link::ParseTranscriptLine(line, header, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
    bool header = false;
    std::string error;
    const auto first = link::TranscriptHeaderLine("pelmora", "1.0.4", {"pelmora", "config", "get"});
    EXPECT_FALSE(link::ParseTranscriptLine(first, header, error));
    EXPECT_TRUE(header);
    const auto lower = link::ParseTranscriptLine(R"({"t": 1, "link": 1, "event": "read", "hex": "1d af"})", header, error);
    ASSERT_TRUE(lower) << error;
    EXPECT_EQ(lower->bytes, (std::vector<std::uint8_t>{0x1D, 0xAF}));
    const auto whole = link::ParseTranscriptLine(R"({"t": 1, "link": 1, "event": "write", "hex": "1D", "taken": 1})", header, error);
    ASSERT_TRUE(whole) << error;
    EXPECT_EQ(whole->result, 1) << "a write taken whole may say so";
    // The first moment and the ends of the link numbers are events too.
    const auto start = link::ParseTranscriptLine(R"({"t": 0, "link": 0, "event": "close"})", header, error);
    ASSERT_TRUE(start) << error;
    EXPECT_EQ(std::tie(start->timeMs, start->link), std::tuple(0u, 0u));
    const auto last = link::ParseTranscriptLine(R"({"t": 1, "link": 4294967295, "event": "close"})", header, error);
    ASSERT_TRUE(last) << error;
    EXPECT_EQ(last->link, 4294967295u);
}

TEST(TranscriptPlatform, RecordsASerialSessionWithItsTimeOutOnTheLinksClock) {
    sim::PrinterModel printer;
    printer.faults.perCommand["version"] = sim::Fault::Silent;
    sim::VirtualPlatform platform(printer);
    link::TranscriptMemory memory;
    link::TranscriptPlatform recorded(platform, memory, 3);
    link::PrinterLink dev(recorded);
    dev.Configure({.portType = link::PortSerial, .port = "COM9"});
    EXPECT_EQ(dev.OpenPort(), 0);  // no such port
    test::Reconfigure(dev, [](link::CommSettings& s) { s.port = "COM1"; });
    ASSERT_EQ(dev.OpenPort(), 1);

    const std::vector<std::uint8_t> model{0x1D, 0x49, 0x43}, version{0x1D, 0x49, 0x41};
    ASSERT_EQ(dev.WritePort(model), 3);
    std::vector<std::uint8_t> reply;
    std::uint8_t buffer[64];
    for (int n = 0; reply.empty() || reply.back() != 0x00; reply.insert(reply.end(), buffer, buffer + n))
        ASSERT_GT(n = dev.ReadPort(buffer, sizeof buffer), 0);
    ASSERT_EQ(dev.WritePort(version), 3);
    EXPECT_EQ(dev.ReadPort(buffer, sizeof buffer), 0);
    dev.ClosePort();

    // Reads may come in pieces at the line rate; gather them.
    std::vector<Kind> kinds;
    std::vector<std::uint8_t> read;
    std::uint64_t last = 0, writeAt = 0, timeoutAt = 0;
    for (const auto& e : memory.events) {
        EXPECT_EQ(e.link, 3u);
        EXPECT_GE(e.timeMs, last) << "time runs forward";
        last = e.timeMs;
        if (e.kind == Kind::Read) read.insert(read.end(), e.bytes.begin(), e.bytes.end());
        if (e.kind == Kind::Write) writeAt = e.timeMs;
        if (e.kind == Kind::Timeout) timeoutAt = e.timeMs;
        if (kinds.empty() || kinds.back() != e.kind || e.kind != Kind::Read) kinds.push_back(e.kind);
    }
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::OpenFailed, Kind::OpenFailed, Kind::OpenFailed, Kind::Open, Kind::Write,
                                        Kind::Write, Kind::Read, Kind::Write, Kind::Timeout, Kind::Close}));
    EXPECT_EQ(std::tie(memory.events[3].channel, memory.events[3].port), std::tuple("serial", "\\\\.\\COM1"));
    EXPECT_EQ(memory.events[4].bytes, std::vector<std::uint8_t>{0x00}) << "the line probe";
    EXPECT_EQ(read, reply);
    EXPECT_GE(timeoutAt - writeAt, 1000u) << "the read's total time-out passed on the virtual clock";
}

}  // namespace
}  // namespace pelmora
