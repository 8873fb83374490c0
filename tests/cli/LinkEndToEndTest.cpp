// The command line against pelmora-sim on a pseudo-terminal, through the real
// USB printer and serial port code: the node stands in for /dev/usb/lpN, and
// (in a private mount namespace, with the modem-line ioctls supplied) for a
// serial or rfcomm line that libserialport takes.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <fstream>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "sim/ModemLines.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::CliRun;
using test::SimProcess;
using Seconds = std::chrono::duration<double>;

// Failures that end at once still take a second or two to start the program
// under the sanitizers on a busy machine; a hang would last to the kill at 60 s.
constexpr double kNoHang = 15.0;

struct Timed { CliRun run; double seconds; };

Timed Time(const std::function<CliRun()>& job) {
    const auto start = std::chrono::steady_clock::now();
    CliRun run = job();
    return {std::move(run), Seconds(std::chrono::steady_clock::now() - start).count()};
}

class UsbEndToEnd : public ::testing::Test {
protected:
    CliRun Cli(const SimProcess& sim, std::vector<std::string> args) {
        args.insert(args.begin(), {"--usb", sim.ptyPath()});
        return test::RunCli(args, {{"PELMORA_REGISTRY", (dir / "registry.reg").string()}});
    }
    test::TempDir dir;
};

// Identify and config through the node are the hardware check's below.
TEST_F(UsbEndToEnd, AFirmwareGoesThroughThePrinterNodeUnchanged) {
    const auto received = dir / "firmware.bin";
    SimProcess sim({"--firmware-out", received.string(), "--restart-ms", "0"}, {}, SimProcess::On::Pty);
    std::string firmware;
    for (int i = 0; i < 20000; ++i) firmware.push_back(static_cast<char>(0x80 + i % 113));
    std::ofstream(dir / "x.fls", std::ios::binary) << firmware;
    const auto run = Cli(sim, {"firmware", (dir / "x.fls").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Success to download firmware!"), std::string::npos);
    sim.Stop();
    EXPECT_EQ(test::ReadFile(received), firmware);
}

TEST_F(UsbEndToEnd, APulledCableEndsTheJobWithItsMessageWithinTheBound) {
    SimProcess sim({"--hangup-after", "3"}, {}, SimProcess::On::Pty);
    const auto timed = Time([&] { return Cli(sim, {"config", "get"}); });
    EXPECT_EQ(std::tie(timed.run.status, timed.run.err), std::tuple(1, "Failed to read SW1 data!\n"));
    EXPECT_LT(timed.seconds, kNoHang);
}

TEST_F(UsbEndToEnd, TheHardwareCheckArchiveHoldsNoPinAndReplaysToTheSameResults) {
    SimProcess sim({}, {}, SimProcess::On::Pty);
    // A PIN with a quote once cut the mask short and broke the file around it.
    ASSERT_EQ(Cli(sim, {"config", "set", "BtPinCode=86\"42"}).status, 0);
    const auto archive = (dir / "check.tar.gz").string();
    const auto check = test::RunProgram(PELMORA_HARDWARE_CHECK, {"-o", archive, "--usb", sim.ptyPath()},
                                        {{"PELMORA", PELMORA_CLI_PATH}, {"PELMORA_REGISTRY", (dir / "registry.reg").string()}});
    ASSERT_EQ(check.status, 0) << check.out << check.err;
    const auto unpacked = dir / "unpacked";
    std::filesystem::create_directory(unpacked);
    ASSERT_EQ(test::RunProgram("/bin/tar", {"-xzf", archive, "-C", unpacked.string()}).status, 0);

    EXPECT_NE(test::ReadFile(unpacked / "config.out").find(": ********\n"), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(unpacked)) {
        const std::string text = test::ReadFile(entry.path());
        for (const char* pin : {"86\"42", "86\\\"42", "38 36 22 34 32"})  // as typed, JSON-escaped, traced
            EXPECT_EQ(text.find(pin), std::string::npos) << entry.path() << ": " << pin;
    }
    const std::pair<std::string, std::vector<std::string>> replays[] = {{"identify", {"identify", "--json"}},
                                                                        {"nv-list", {"nv", "list", "--json"}}};
    for (auto [name, args] : replays) {
        SimProcess replay({"--replay", (unpacked / (name + ".transcript")).string()});
        args.insert(args.begin(), {"--tcp", replay.address()});
        const auto run = test::RunCli(args);
        EXPECT_EQ(std::tie(run.status, run.out), std::tuple(0, test::ReadFile(unpacked / (name + ".out"))))
            << name << ": " << run.err;
    }
}

// pelmora in a private mount namespace where libserialport takes the
// pseudo-terminal for a serial line; the modem lines live in a file the
// virtual printer shares. A silent printer's twelve reads of two seconds are
// QueryPrinterTest's (ResendLoop), on virtual time.
class SerialEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "a private mount namespace needs root (CI runs as root)";
        if (test::RunProgram("/usr/bin/unshare", {"--mount", "true"}, {}, 10).status != 0)
            GTEST_SKIP() << "unshare --mount is refused here: no private mount namespace";
    }
    std::unique_ptr<SimProcess> Printer(std::vector<std::string> args = {}) {
        args.insert(args.end(), {"--modem-lines", lines});
        return std::make_unique<SimProcess>(args, "", SimProcess::On::Pty);
    }
    Timed Cli(const SimProcess& sim, std::vector<std::string> args, const char* kind = "--serial") {
        args.insert(args.begin(), {sim.ptyPath(), PELMORA_CLI_PATH, kind, sim.ptyPath()});
        const std::map<std::string, std::string> env{{"SERIAL_NAMESPACE_PRELOAD", PELMORA_MODEM_PRELOAD},
                                                     {"PELMORA_MODEM_TTY", sim.ptyPath()},
                                                     {"PELMORA_MODEM_LINES", lines},
                                                     {"PELMORA_LINE_TERMIOS", (dir / "termios").string()},
                                                     {"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
        return Time([&] { return test::RunProgram(PELMORA_SERIAL_NAMESPACE, args, env, 60); });
    }
    test::TempDir dir;
    const std::string lines = (dir / "modem-lines").string();
};

TEST_F(SerialEndToEnd, SpeedParityAndStopBitsReachTheLineAndDtrFollowsTheFlow) {
    const auto sim = Printer();
    struct Line {
        const char* baud; speed_t speed; const char* parity; tcflag_t parityFlags; const char *stopBits, *flow;
    };
    for (const Line& l : {Line{"9600", B9600, "none", 0, "1", "none"},
                          Line{"19200", B19200, "odd", PARENB | PARODD, "2", "dtr-dsr"},
                          Line{"115200", B115200, "even", PARENB, "1", "dtr-dsr"}}) {
        const auto timed = Cli(*sim, {"--baud", l.baud, "--parity", l.parity, "--stop-bits", l.stopBits, "--flow",
                                      l.flow, "identify", "--json"});
        EXPECT_EQ(timed.run.status, 0) << l.baud << ": " << timed.run.err;
        EXPECT_NE(timed.run.out.find("\"ModelCode\": 703"), std::string::npos) << l.baud;
        // The kernel keeps the speed; a pseudo-terminal drops the parity, so
        // the rest is checked in what the port was told.
        const int fd = ::open(sim->ptyPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios kept{};
        ASSERT_EQ(::tcgetattr(fd, &kept), 0);
        ::close(fd);
        EXPECT_EQ(::cfgetospeed(&kept), l.speed) << l.baud;
        termios line{};
        std::ifstream(dir / "termios", std::ios::binary).read(reinterpret_cast<char*>(&line), sizeof line);
        // Hardware flow: DTR up, and CTS holding back our output (the kernel pairs RTS with it).
        const bool hardware = std::string(l.flow) == "dtr-dsr";
        EXPECT_EQ(line.c_cflag & (PARENB | PARODD | CSTOPB | CSIZE | CRTSCTS),
                  l.parityFlags | (l.stopBits[0] == '2' ? CSTOPB : 0) | CS8 | (hardware ? CRTSCTS : 0)) << l.baud;
        int modem = 0;
        ASSERT_TRUE(sim::ReadModemLines(lines.c_str(), modem));
        EXPECT_EQ((modem & TIOCM_DTR) != 0, hardware) << l.flow;
    }
}

// With hardware flow, where the probe could wait (it asks DSR whatever the flow).
TEST_F(SerialEndToEnd, APrinterHoldingDsrLowIsNotOpenedAndNothingHangs) {
    const auto sim = Printer({"--dsr-low"});
    const auto timed = Cli(*sim, {"--flow", "dtr-dsr", "identify"});
    EXPECT_EQ(std::tie(timed.run.status, timed.run.err),
              std::tuple(1, "Port open error!\n" + sim->ptyPath() +
                                " opened, but no printer holds DSR up: it is switched off or not connected.\n"));
    EXPECT_LT(timed.seconds, kNoHang);
}

TEST_F(SerialEndToEnd, APortHeldByAnotherProgramIsRefusedAfterThreeAttempts) {
    const auto sim = Printer();
    const int other = ::open(sim->ptyPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    const auto timed = Cli(*sim, {"identify"});
    ::close(other);
    EXPECT_EQ(timed.run.status, 1);
    // The holder named is this test program or the simulator, which hold the node.
    EXPECT_EQ(timed.run.err.rfind("Port open error!\n" + sim->ptyPath() + " is in use by another program, ", 0), 0u)
        << timed.run.err;
    EXPECT_NE(timed.run.err.find(" (pid "), std::string::npos) << timed.run.err;
    EXPECT_GE(timed.seconds, 0.8) << "two 400 ms pauses between the attempts";
    EXPECT_LT(timed.seconds, kNoHang);
}

TEST_F(SerialEndToEnd, ABluetoothLineHungUpMidJobEndsWithItsMessageWithinTheBound) {
    const auto sim = Printer({"--hangup-after", "4"});
    const auto timed = Cli(*sim, {"config", "get"}, "--bluetooth");
    EXPECT_EQ(std::tie(timed.run.status, timed.run.err), std::tuple(1, "Failed to read SW1 data!\n"));
    EXPECT_LT(timed.seconds, kNoHang);
}

}  // namespace
}  // namespace pelmora
