#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <string>

#include <pty.h>
#include <unistd.h>

#include "link/SerialLineConfig.h"
#include "link/SerialPort.h"
#include "support/PrinterRig.h"

namespace pelmora::link {
namespace {

using Dtr = SerialLineState::Dtr;
using Rts = SerialLineState::Rts;

// The two line states the link sets: hardware flow control (1) and none.
SerialLineState LinkState(bool hardwareFlow, std::uint8_t parity = 0, std::uint8_t stopBits = 0) {
    SerialLineState s;
    s.baudRate = 115200;
    s.parity = parity;
    s.parityCheck = (parity & 1) != 0;
    s.stopBits = stopBits;
    s.outxCtsFlow = hardwareFlow;
    s.dtrControl = hardwareFlow ? Dtr::Enable : Dtr::Disable;
    s.rtsControl = Rts::Disable;
    return s;
}

TEST(SerialLineConfig, LinkStatesMapMemberByMember) {
    const auto flow = ToPortConfig(LinkState(true, 1, 2));
    ASSERT_TRUE(flow);
    EXPECT_EQ(*flow, (PortConfigValues{115200, 8, SP_PARITY_ODD, 2, SP_RTS_OFF, SP_CTS_FLOW_CONTROL, SP_DTR_ON,
                                       SP_DSR_IGNORE, SP_XONXOFF_DISABLED}));
    const auto none = ToPortConfig(LinkState(false, 2, 0));
    ASSERT_TRUE(none);
    EXPECT_EQ(*none, (PortConfigValues{115200, 8, SP_PARITY_EVEN, 1, SP_RTS_OFF, SP_CTS_IGNORE, SP_DTR_OFF,
                                       SP_DSR_IGNORE, SP_XONXOFF_DISABLED}));
}

TEST(SerialLineConfig, EveryRepresentableMemberSurvivesARoundTrip) {
    std::vector<SerialLineState> states;
    for (std::uint8_t parity = 0; parity <= 4; ++parity) states.push_back(LinkState(false, parity, 2));
    for (Dtr dtr : {Dtr::Disable, Dtr::Enable, Dtr::Handshake}) {
        for (Rts rts : {Rts::Disable, Rts::Enable, Rts::Handshake}) {
            SerialLineState s = LinkState(true);
            s.dtrControl = dtr;
            s.rtsControl = rts;
            states.push_back(s);
        }
    }
    for (int x = 0; x < 4; ++x) {
        SerialLineState s = LinkState(false);
        s.inX = (x & 1) != 0;
        s.outX = (x & 2) != 0;
        s.outxDsrFlow = x == 3;
        s.byteSize = static_cast<std::uint8_t>(5 + x);
        states.push_back(s);
    }
    for (SerialLineState s : states) {
        s.parityCheck = s.parity != 0;  // the switch is not a setting of its own here
        const auto config = ToPortConfig(s);
        ASSERT_TRUE(config);
        const SerialLineState back = FromPortConfig(*config);
        EXPECT_EQ(back.parity, s.parity);
        EXPECT_EQ(back.stopBits, s.stopBits);
        EXPECT_EQ(back.byteSize, s.byteSize);
        EXPECT_EQ(back.parityCheck, s.parityCheck);
        EXPECT_EQ(back.outxCtsFlow, s.outxCtsFlow);
        EXPECT_EQ(back.outxDsrFlow, s.outxDsrFlow);
        EXPECT_EQ(back.dtrControl, s.dtrControl);
        EXPECT_EQ(back.rtsControl, s.rtsControl);
        EXPECT_EQ(back.inX, s.inX);
        EXPECT_EQ(back.outX, s.outX);
    }
}

TEST(SerialLineConfig, WhatThisSystemCannotDoIsRefused) {
    const std::vector<std::pair<const char*, void (*)(SerialLineState&)>> refusals = {
        {"one and a half stop bits", [](SerialLineState& s) { s.stopBits = 1; }},
        {"stop bits 3", [](SerialLineState& s) { s.stopBits = 3; }},
        {"RTS toggle", [](SerialLineState& s) { s.rtsControl = Rts::Toggle; }},
        {"DSR sensitivity", [](SerialLineState& s) { s.dsrSensitivity = true; }},
        {"null stripping", [](SerialLineState& s) { s.nullStrip = true; }},
        {"abort on error", [](SerialLineState& s) { s.abortOnError = true; }},
        {"parity 5", [](SerialLineState& s) { s.parity = 5; }},
        {"4 data bits", [](SerialLineState& s) { s.byteSize = 4; }},
        {"9 data bits", [](SerialLineState& s) { s.byteSize = 9; }},
        {"0 baud (hangs up the line)", [](SerialLineState& s) { s.baudRate = 0; }},
        {"baud past int", [](SerialLineState& s) { s.baudRate = 0x80000000u; }},
    };
    for (const auto& [what, change] : refusals) {
        SerialLineState s = LinkState(false);
        change(s);
        EXPECT_FALSE(ToPortConfig(s)) << what;
    }
}

TEST(SerialLineConfig, CtsFlowAloneFallsBackToPairedRtsCts) {
    const auto asked = ToPortConfig(LinkState(true));
    ASSERT_TRUE(asked);
    const auto paired = PairedRtsCtsFallback(*asked);
    ASSERT_TRUE(paired);
    PortConfigValues expected = *asked;
    expected.rts = SP_RTS_FLOW_CONTROL;
    EXPECT_EQ(*paired, expected);
    EXPECT_FALSE(PairedRtsCtsFallback(*ToPortConfig(LinkState(false))));
    EXPECT_FALSE(PairedRtsCtsFallback(*paired));
}

TEST(SerialWriteTimeout, MultiplierTimesCountPlusConstantCapped) {
    struct Case {
        std::uint32_t multiplier, constant;
        int count;
        unsigned expected;
    } cases[] = {
        {1000, 1000, 1, 2000},
        {1000, 1000, 4096, 4097000},
        {1000, 1000, 0, 1000},
        {1000, 1000, -5, 1000},
        {0, 0, 100, 0},  // no bound, as on the classic port
        {0xFFFFFFFFu, 0xFFFFFFFFu, INT_MAX, UINT_MAX},
    };
    for (const Case& c : cases) {
        SerialTimeouts t;
        t.writeTotalMultiplier = c.multiplier;
        t.writeTotalConstant = c.constant;
        EXPECT_EQ(SerialWriteTimeoutMs(t, c.count), c.expected) << c.multiplier << " x " << c.count;
    }
}

TEST(SerialPortOpen, WhatIsNoSerialDeviceDoesNotOpen) {
    test::TempDir dir;
    const std::string file = (dir / "not-a-port").string();
    std::ofstream(file) << "keep me";
    int master = -1, slave = -1;
    char ptyName[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, ptyName, nullptr, nullptr), 0);

    SystemClock clock;
    NullTrace trace;
    // A pseudo-terminal has no /sys/class/tty entry, so libserialport refuses it too.
    for (const std::string& path : {std::string("/dev/pelmora-no-such-port"), file, std::string(ptyName),
                                    std::string("COM1"), std::string()}) {
        EXPECT_EQ(SerialPort::Open(path, clock, trace), nullptr) << path;
    }
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace pelmora::link
