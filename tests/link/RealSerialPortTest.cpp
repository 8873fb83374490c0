#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include <pty.h>
#include <unistd.h>

#include "link/SerialLineConfig.h"
#include "link/SerialPort.h"
#include "support/PrinterRig.h"
#include "support/RecordingTrace.h"

namespace pelmora::link {
namespace {

// The line state the link sets, with hardware flow control (1) or none.
SerialLineState LinkState(bool hardwareFlow, std::uint8_t parity = 0, std::uint8_t stopBits = 0) {
    SerialLineState s;
    s.baudRate = 115200;
    s.parity = parity;
    s.parityCheck = (parity & 1) != 0;
    s.stopBits = stopBits;
    s.outxCtsFlow = hardwareFlow;
    s.dtrControl = hardwareFlow ? SerialLineState::Dtr::Enable : SerialLineState::Dtr::Disable;
    s.rtsControl = SerialLineState::Rts::Disable;
    return s;
}

TEST(SerialLineConfig, LinkStatesMapMemberByMemberAndBack) {
    const PortConfigValues flow{115200, 8, SP_PARITY_ODD, 2, SP_RTS_OFF, SP_CTS_FLOW_CONTROL, SP_DTR_ON,
                                SP_DSR_IGNORE, SP_XONXOFF_DISABLED};
    EXPECT_EQ(ToPortConfig(LinkState(true, 1, 2)), flow);
    const PortConfigValues none{115200, 8, SP_PARITY_EVEN, 1, SP_RTS_OFF, SP_CTS_IGNORE, SP_DTR_OFF,
                                SP_DSR_IGNORE, SP_XONXOFF_DISABLED};
    EXPECT_EQ(ToPortConfig(LinkState(false, 2, 0)), none);
    EXPECT_EQ(ToPortConfig(FromPortConfig(flow)), flow);
    EXPECT_EQ(ToPortConfig(FromPortConfig(none)), none);
    EXPECT_TRUE(FromPortConfig(flow).parityCheck) << "odd parity is checked too";
    const auto with = [&none](auto change) { PortConfigValues v = none; change(v); return v; };
    // -1 is what libserialport reports for a rate it cannot read.
    EXPECT_EQ(FromPortConfig(with([](auto& v) { v.baudRate = -1; })).baudRate, 0u);
    EXPECT_EQ(FromPortConfig(with([](auto& v) { v.parity = SP_PARITY_INVALID; })).parity, 0) << "nor a parity it cannot read";
    // Each value the link can set comes back as it went: the narrowest width a line has, the printer's other one, ...
    const std::vector<void (*)(PortConfigValues&)> changes = {
        [](auto& v) { v.bits = 5; }, [](auto& v) { v.bits = 7; }, [](auto& v) { v.parity = SP_PARITY_SPACE; },
        [](auto& v) { v.xonXoff = SP_XONXOFF_IN; }, [](auto& v) { v.xonXoff = SP_XONXOFF_OUT; },
        [](auto& v) { v.xonXoff = SP_XONXOFF_INOUT; }, [](auto& v) { v.dtr = SP_DTR_FLOW_CONTROL; },
        [](auto& v) { v.rts = SP_RTS_ON; }, [](auto& v) { v.rts = SP_RTS_FLOW_CONTROL; }};
    for (std::size_t i = 0; i < changes.size(); ++i) EXPECT_EQ(ToPortConfig(FromPortConfig(with(changes[i]))), with(changes[i])) << i;
    EXPECT_EQ(FromPortConfig(with([](auto& v) { v.bits = 9; })).byteSize, 8) << "a width the link cannot use reads as 8";
    const SerialLineState read = FromPortConfig(with([](auto& v) { v.parity = SP_PARITY_SPACE, v.dsr = SP_DSR_FLOW_CONTROL; }));
    EXPECT_EQ(read.parity, 4);
    EXPECT_TRUE(read.outxDsrFlow);
    // A port that cannot follow CTS alone gets RTS/CTS as a pair, and only then.
    const PortConfigValues ctsOnly = with([](auto& v) { v.cts = SP_CTS_FLOW_CONTROL; });
    EXPECT_EQ(PairedRtsCtsFallback(ctsOnly), with([](auto& v) { v.cts = SP_CTS_FLOW_CONTROL, v.rts = SP_RTS_FLOW_CONTROL; }));
    EXPECT_FALSE(PairedRtsCtsFallback(none));
    EXPECT_FALSE(PairedRtsCtsFallback(*PairedRtsCtsFallback(ctsOnly)));
}

TEST(SerialLineConfig, WhatThisSystemCannotDoIsRefused) {
    const std::vector<std::pair<const char*, void (*)(SerialLineState&)>> refusals = {
        {"one and a half stop bits", [](SerialLineState& s) { s.stopBits = 1; }},
        {"RTS toggle", [](SerialLineState& s) { s.rtsControl = SerialLineState::Rts::Toggle; }},
        {"DSR sensitivity", [](SerialLineState& s) { s.dsrSensitivity = true; }},
        {"null stripping", [](SerialLineState& s) { s.nullStrip = true; }},
        {"parity 5", [](SerialLineState& s) { s.parity = 5; }}, {"9 data bits", [](SerialLineState& s) { s.byteSize = 9; }},
        {"0 baud (hangs up the line)", [](SerialLineState& s) { s.baudRate = 0; }},
        {"baud past int", [](SerialLineState& s) { s.baudRate = 0x80000000u; }},
    };
    for (const auto& [what, change] : refusals) {
        SerialLineState s = LinkState(false);
        change(s);
        EXPECT_FALSE(ToPortConfig(s)) << what;
    }
}

// A write may take twice its wire time plus the slack, at whatever speed and
// framing the line has; a 4096-byte piece never waits the classic hour.
TEST(SerialWriteBound, TwiceTheWireTimePlusSlack) {
    const struct { std::uint32_t baud; std::int32_t dataBits, parity, stopBits; int count; unsigned boundMs; } cases[] = {
        {115200, 8, 0, 0, 4096, 713 + kWriteSlackMs}, {9600, 8, 0, 0, 4096, 8537 + kWriteSlackMs},  // 10 bits a byte
        {9600, 8, 2, 2, 4096, 10240 + kWriteSlackMs},   // parity and two stop bits: 12 bits
        {1200, 8, 0, 0, 3, 51 + kWriteSlackMs}, {0, 8, 0, 0, 3, 51 + kWriteSlackMs},  // unknown speed: the slowest offered
        {115200, 8, 0, 0, 0, kWriteSlackMs}, {115200, 8, 0, 0, -5, kWriteSlackMs},
    };
    for (const auto& c : cases) {
        const SerialTimeouts t{0, 0, 0, WriteMicrosPerByte(c.baud, BitsPerChar(c.dataBits, c.parity, c.stopBits)), kWriteSlackMs};
        EXPECT_EQ(SerialWriteTimeoutMs(t, c.count), c.boundMs) << c.baud << " " << c.count;
        EXPECT_LE(WriteSliceBytes(t.writeMicrosPerByte) * std::uint64_t{t.writeMicrosPerByte}, 2 * kWriteSliceMs * 1000u);
    }
    EXPECT_EQ(SerialWriteTimeoutMs({0, 0, 0, 0, 0}, 100), 0u);  // no bound
    EXPECT_EQ(SerialWriteTimeoutMs({0, 0, 0, UINT_MAX, UINT_MAX}, INT_MAX), UINT_MAX);
}

TEST(SerialPortOpen, WhatIsNoSerialDeviceDoesNotOpen) {
    test::TempDir dir;
    const std::string file = (dir / "ttyS0").string();
    std::ofstream(file) << "keep me";
    int master = -1, slave = -1;
    char pty[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, pty, nullptr, nullptr), 0);
    SystemClock clock;
    test::RecordingTrace trace;
    for (const char* path : {"/dev/pelmora-no-such-port", file.c_str(), static_cast<const char*>(pty), "COM1", ""})
        EXPECT_EQ(SerialPort::Open(path, clock, trace), nullptr) << path;
    EXPECT_EQ(test::ReadFile(file), "keep me");
    EXPECT_EQ(trace.lines, (std::vector<std::string>{"/dev/pelmora-no-such-port: no such device", file + " is not a serial port",
                                                     std::string(pty) + " is not a serial port", "COM1: no such device",
                                                     ": no such device"}));
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace pelmora::link
