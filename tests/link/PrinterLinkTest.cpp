#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <tuple>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "link/LinkFailure.h"

#include "link/Trace.h"
#include "link/WireTime.h"
#include "support/PrinterRig.h"

namespace pelmora {
namespace {

using test::PrinterRig;

TEST(PrinterLinkOpen, PortTypeOutsideTheFourOpensNothing) {
    PrinterRig rig(link::PortSerial);
    for (int type : {4, 7, -1}) {
        test::Reconfigure(rig.util.link(), [&](link::CommSettings& s) { s.portType = type; });
        EXPECT_EQ(rig.util.link().OpenPort(), 0);
        EXPECT_FALSE(rig.util.link().IsOpen());
    }
    EXPECT_EQ(rig.platform.openAttempts(), 0);
}

// The system's answer to a failed open becomes a kind with what helps: the
// node's group to join, the program holding the port.
TEST(LinkFailure, ErrnoOfAnOpenBecomesItsKind) {
    using Kind = link::LinkFailure::Kind;
    const struct { int error; Kind kind; } cases[] = {
        {ENOENT, Kind::NoSuchDevice}, {ENODEV, Kind::NoSuchDevice},   {ENXIO, Kind::NoSuchDevice},
        {EACCES, Kind::PermissionDenied}, {EPERM, Kind::PermissionDenied}, {EBUSY, Kind::InUse},
        {ECONNREFUSED, Kind::Refused}, {EHOSTUNREACH, Kind::Unreachable}, {ENETUNREACH, Kind::Unreachable},
        {ETIMEDOUT, Kind::ConnectTimedOut}, {EIO, Kind::System},
    };
    for (const auto& c : cases) EXPECT_EQ(link::FailureFromErrno(c.error, "/dev/null").kind, c.kind) << c.error;
    EXPECT_EQ(link::FailureFromErrno(EACCES, "/dev/null").detail, link::GroupOf("/dev/null"));
    EXPECT_EQ(link::FailureFromErrno(EIO, "/dev/null").detail, std::strerror(EIO));

    // A holder is found among this user's processes, this one aside.
    test::TempDir dir;
    const auto node = (dir / "port").string();
    std::ofstream(node) << "x";
    const int held = ::open(node.c_str(), O_RDONLY);
    EXPECT_EQ(link::HolderOf(node), "") << "the asking process itself is no other program";
    const pid_t child = ::fork();
    if (child == 0) for (;;) ::pause();
    std::string holder;
    for (int i = 0; i < 200 && holder.empty(); ++i) holder = link::HolderOf(node);  // the child holds the copy
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(held);
    EXPECT_NE(holder.find("(pid " + std::to_string(child) + ")"), std::string::npos) << holder;
}

TEST(PrinterLinkOpen, PrinterWithDsrLowGetsTheProbeAndALaterOpenSucceeds) {
    PrinterRig rig(link::PortSerial);
    rig.platform.config().dsrOn = false;
    EXPECT_EQ(rig.util.link().OpenPort(), 0);
    EXPECT_EQ(std::tuple(rig.TakeReceived(), rig.util.link().IsOpen(), rig.util.link().openFailure().kind),
              std::tuple(std::vector<std::uint8_t>{0x00}, false, link::LinkFailure::Kind::PrinterOff));

    rig.platform.config().dsrOn = true;
    EXPECT_EQ(rig.util.link().OpenPort(), 1);
    EXPECT_TRUE(rig.util.link().IsOpen());
    EXPECT_EQ(rig.util.link().openFailure().kind, link::LinkFailure::Kind::None);

    // A probe the port does not take fails the open the same way.
    rig.util.link().ClosePort();
    rig.platform.config().shortWritesFrom = rig.platform.writes();
    EXPECT_EQ(rig.util.link().OpenPort(), 0);
    EXPECT_FALSE(rig.util.link().IsOpen());
}

// Speed, parity, stop bits and DTR reach the kernel in the serial end-to-end tests; the extras are
// switched off whatever the flow control.
TEST(PrinterLinkOpen, ExtrasAnotherProgramLeftOnThePortAreSwitchedOff) {
    PrinterRig rig(link::PortSerial);
    auto& left = rig.platform.lastLineState();
    left.outxDsrFlow = left.dsrSensitivity = left.outX = left.inX = left.nullStrip = left.abortOnError = true;
    left.rtsControl = link::SerialLineState::Rts::Enable;
    ASSERT_TRUE(rig.Open());
    const auto& l = rig.platform.lastLineState();
    EXPECT_EQ(std::tie(l.outxDsrFlow, l.dsrSensitivity, l.outX, l.inX, l.nullStrip, l.abortOnError),
              std::tuple(false, false, false, false, false, false));
    EXPECT_EQ(l.rtsControl, link::SerialLineState::Rts::Disable);
}

// A port whose settings cannot be read or applied is in an unknown state: it is
// let go at once and the open fails, and the next open starts afresh.
TEST(PrinterLinkOpen, PortThatRefusesItsSettingsIsLetGo) {
    for (const int failing : {0, 1, 2, 3}) {
        PrinterRig rig(link::PortSerial);
        rig.platform.config().failingSetupCall = failing;
        EXPECT_EQ(rig.util.link().OpenPort(), 0) << failing;
        // A port that opened is not tried again.
        EXPECT_EQ(std::tuple(rig.util.link().IsOpen(), rig.util.link().openFailure().kind, rig.platform.openAttempts()),
                  std::tuple(false, link::LinkFailure::Kind::LineSettings, 1)) << failing;
        if (failing == 3) {  // the opening time-outs, set before the probe, stay
            const auto& t = rig.platform.lastTimeouts();
            EXPECT_EQ(std::tie(t.readInterval, t.readTotalMultiplier, t.readTotalConstant, t.writeMicrosPerByte,
                               t.writeTotalConstant), std::tuple(2000u, 1000u, 10u, 174u, link::kWriteSlackMs));
        }
        rig.platform.config().failingSetupCall = -1;
        EXPECT_EQ(rig.util.link().OpenPort(), 1) << failing;
        EXPECT_EQ(rig.platform.openAttempts(), 2) << "the refused port was let go: " << failing;
    }
}

// The handheld pauses a second before it lets go of any link.
TEST(PrinterLinkClose, EachLinkKindClosesItsOwnWay) {
    using link::Layout;
    struct Case { std::int32_t portType; Layout layout; int purges, maskClears; std::uint64_t pauseMs; };
    const Case cases[] = {{link::PortSerial, Layout::Desktop, 1, 1, 200}, {link::PortBluetooth, Layout::Desktop, 1, 0, 200},
                          {link::PortUsb, Layout::Desktop, 0, 0, 0}, {link::PortTcp, Layout::Desktop, 0, 0, 0},
                          {link::PortTcp, Layout::Handheld, 0, 0, 1000}};
    for (const Case& c : cases) {
        PrinterRig rig(c.portType);
        rig.util.link().setLayout(c.layout);
        ASSERT_TRUE(rig.Open()) << c.portType;
        const int purgesAfterOpen = rig.platform.purges();
        const auto start = rig.Now();
        rig.util.link().ClosePort();
        EXPECT_EQ(std::tuple(rig.util.link().IsOpen(), rig.platform.purges() - purgesAfterOpen, rig.platform.eventMaskClears(),
                             rig.Now() - start), std::tuple(false, c.purges, c.maskClears, c.pauseMs)) << c.portType;
    }
}

TEST(PrinterLinkClose, DestructionClosesAnOpenLink) {
    PrinterRig serial(link::PortSerial);
    {
        link::PrinterLink own(serial.platform);
        own.Configure({.portType = link::PortSerial, .port = "COM2"});
        ASSERT_EQ(own.OpenPort(), 1);
    }
    EXPECT_EQ(serial.platform.eventMaskClears(), 1);
}

// Counts the port took pass through (a short write fails a query: LinkStateComesBeforeAnyExchange);
// a read of nothing is refused before it reaches the port.
TEST(PrinterLinkReadWrite, AReadOfNothingIsRefused) {
    PrinterRig rig(link::PortTcp);
    ASSERT_TRUE(rig.Open());
    std::uint8_t byte = 0;
    EXPECT_EQ(rig.util.link().ReadPort(&byte, 0), -1);
}

// What --trace prints: each line once, a newline added only where it is missing.
TEST(StderrTrace, EachLineOnceEndingInANewline) {
    link::StderrTrace trace;
    const std::uint8_t bytes[] = {0x1D, 0x49, 0x0A};
    testing::internal::CaptureStderr();
    link::Tracef(trace, "==> %s", link::HexBytes(bytes, 3).c_str());
    trace.Line("done\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "==> 1D 49 0A\ndone\n");
}

}  // namespace
}  // namespace pelmora
