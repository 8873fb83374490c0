// identify and firmware against the real pelmora-sim; command lines refused before any printer is asked.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <nlohmann/json.hpp>

#include "support/LoopbackListener.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

// Firmware dates are read in the core's own tests; here one version crosses the process,
// to two clients in turn.
TEST(IdentifyEndToEnd, TextThenJsonGiveModelCodeAndFirmwareByDate) {
    SimProcess sim({"--version-text", "V1.00 123115"});
    auto run = RunCli({"--tcp", sim.address(), "identify"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Firmware: 101001"), std::string::npos) << run.out;
    run = RunCli({"--tcp", sim.address(), "identify", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ModelName"], "MPT-Q700VII");
    EXPECT_EQ(json["ModelCode"], 703);
    EXPECT_EQ(json["VersionText"], "V1.00 123115");
    EXPECT_EQ(json["FirmwareVersion"], 101001);
}

TEST(IdentifyEndToEnd, APeerThatClosesTheConnectionIsNamedAsTheCause) {
    test::LoopbackListener listener(1);
    ASSERT_GE(listener.fd(), 0);
    std::thread peer([fd = listener.fd()] { ::close(::accept(fd, nullptr, nullptr)); });
    const auto run = RunCli({"--tcp", "127.0.0.1:" + std::to_string(listener.port()), "identify"});
    peer.join();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Printer model is not matched!\nThe printer closed the connection.\n");
}

// No silent waits: on a terminal a slow answer shows the seconds waited, and
// the line is gone before the result is printed.
TEST(IdentifyEndToEnd, ASlowPrinterShowsTheWaitOnATerminal) {
    SimProcess sim({"--latency", "1500"});
    const auto run = test::RunCliOnTerminal({"--tcp", sim.address(), "identify"}, {});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("\rAsking the printer who it is... 1 s\x1b[K"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\r\x1b[KModel:    MPT-Q700VII"), std::string::npos) << run.err;
}

TEST(CommandLine, BadInputExitsTwoWithoutTouchingThePrinter) {
    test::TempDir dir;
    const auto notFirmware = (dir / "x.bin").string();
    std::ofstream(notFirmware) << "data";
    const auto firmware = (dir / "x.fls").string(), empty = (dir / "empty.fls").string();
    std::ofstream(firmware) << "fw";
    std::ofstream(empty).flush();
    const auto badList = (dir / "bad").string();
    std::ofstream(badList) << "tcp 127.0.0.1:1\nlpt 1\n";
    const std::string a = "127.0.0.1:1", b = "127.0.0.1:2";
    struct Case {
        std::vector<std::string> args;
        std::string says;  ///< part of the message, when it matters which
    };
    const Case cases[] = {
        {{"--tcp", a, "firmware", notFirmware}, ""},
        {{"--tcp", a, "firmware", (dir / "missing.fls").string()}, ""},
        {{"--tcp", "printer_local", "identify"}, "is no host name"},
        {{"--tcp", "127.0.0.1:99999", "identify"}, ""},
        {{"--serial", "COM1", "--baud", "1234", "identify"}, ""},
        {{"--serial", "COM1", "--parity", "mark", "identify"}, ""},
        {{"identify", "--bogus"}, ""},
        {{}, ""},
        // An empty value would open the stored port instead.
        {{"--tcp", "", "identify"}, ""},
        {{"--serial", "", "identify"}, ""},
        {{"--bluetooth", "", "identify"}, ""},
        {{"--usb", "", "identify"}, ""},
        {{"--tcp", "127.0.0.1:+9100", "identify"}, ""},
        // Line settings that no serial port would take.
        {{"--tcp", a, "--baud", "9600", "identify"}, ""},
        {{"--usb", "/dev/null", "--parity", "odd", "identify"}, ""},
        {{"--flow", "dtr-dsr", "identify"}, ""},
        // A device or FIFO is no firmware file (and would block the open).
        {{"--tcp", a, "firmware", "--force", "/dev/null"}, ""},
        // Keeping the settings: checked before the printer is asked anything.
        {{"--tcp", a, "firmware", "--wait", "5", firmware}, ""},
        {{"--tcp", a, "firmware", "--keep-settings", (dir / "missing.fls").string()}, ""},
        {{"--tcp", a, "firmware", "--keep-settings", empty}, ""},
        {{"--tcp", a, "firmware", "--keep-settings", "--wait", "0", firmware}, ""},
        // Several printers, and what cannot run on them.
        {{"--tcp", a, "--tcp", b, "firmware", firmware}, "'firmware' works with one printer"},
        {{"--tcp", a, "--tcp", b, "--transcript", (dir / "t").string(), "identify"}, "--transcript"},
        {{"--tcp", a, "--jobs", "2", "identify"}, "--jobs and --json before the command"},
        {{"--tcp", a, "--json", "identify"}, "--jobs and --json before the command"},
        {{"--tcp", a, "--tcp", b, "--jobs", "0", "identify"}, "--jobs"},
        {{"--printers", badList, "identify"}, ":2: a line is KIND VALUE"},
        {{"--printers", (dir / "missing").string(), "identify"}, "missing"},
        {{"--printers", badList, "ports"}, ":2:"},
        {{"--tcp", a, "--serial", "COM1", "--usb", "/dev/null", "--baud", "9600", "--tcp", a, "identify"},
         "named twice"},
    };
    for (const Case& c : cases) {
        const auto run = RunCli(c.args);
        const std::string what = c.args.empty() ? "" : c.args.back();
        EXPECT_EQ(run.status, 2) << what << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << what;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << what << ": " << run.out;
    }
    EXPECT_EQ(RunCli({"bogus"}).err, "The following argument was not expected: bogus\nRun with --help for more information.\n");
    EXPECT_EQ(RunCli({"config"}).err, "pelmora: a command is required: get, set, diff, default\n");
    // A store that cannot be read, or is no store at all, is reported, not replaced by COM1.
    std::ofstream(dir / "notes.txt") << "Windows Registry Editor Version 5.00\n";
    for (const auto& store : {dir.path(), dir / "notes.txt"}) {
        const auto unreadable = RunCli({"identify"}, {{"PELMORA_REGISTRY", store.string()}});
        EXPECT_EQ(unreadable.status, 2) << store;
        EXPECT_NE(unreadable.err.find("cannot read the settings store"), std::string::npos) << unreadable.err;
    }
    EXPECT_EQ(RunCli({"--version"}).status, 0);
    EXPECT_EQ(RunCli({"--help"}).status, 0);
}

}  // namespace
}  // namespace pelmora
