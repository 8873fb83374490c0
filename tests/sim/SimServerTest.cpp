// pelmora-sim as a process: state, options, clients in turn, restarts; the printer model's bounded logs.
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "link/RealPlatform.h"
#include "sim/ModemLines.h"
#include "sim/PrinterModel.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::RunProgram;
using test::SimProcess;

// The state files keep the printers between runs: each printer of a --count fleet
// answers on its own port, keeps its own file, and a change to one leaves the others.
TEST(SimServer, CountServesIndependentPrintersEachWithItsOwnState) {
    test::TempDir dir;
    const auto states = (dir / "fleet").string();
    {
        SimProcess sim({"--count", "3", "--state", states});
        ASSERT_EQ(RunCli({"--tcp", "127.0.0.1:" + std::to_string(sim.port() + 1), "config", "set", "TimeOff=30"}).status, 0);
        EXPECT_EQ(sim.Stop(), 0);
    }
    SimProcess again({"--count", "3", "--state", states});
    std::vector<std::string> args;
    for (int i = 0; i < 3; ++i) args.insert(args.end(), {"--tcp", "127.0.0.1:" + std::to_string(again.port() + i)});
    args.insert(args.end(), {"config", "get", "--json"});
    std::vector<int> values;
    for (const auto& printer : nlohmann::json::parse(RunCli(args).out)) values.push_back(printer["output"].value("TimeOff", -1));
    EXPECT_EQ(values, (std::vector{15, 30, 15})) << "the others keep their factory value";
    // A printer's state is written when its session ends, which may come after the command's exit.
    EXPECT_EQ(again.Stop(), 0);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(states) / "printer-3.json"));
}

TEST(SimServer, BadOptionsAndBadStateAreRefused) {
    test::TempDir dir;
    const auto broken = dir / "broken.json";
    std::ofstream(broken) << "{ not json";
    const auto fifo = (dir / "fifo.json").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::vector<std::string>> cases = {
        // The forms --listen refuses are TcpAddress.AddressWithPort's; the FIFO is neither
        // read (it would block) nor replaced.
        {"--listen", "nonsense"}, {"--fault", "model=sometimes"}, {"--state", broken.string()}, {"--state", fifo},
        {"--count", "0"}, {"--count", "2", "--nv-dir", dir.path().string()}, {"--firmware-out", "/dev/full"},
    };
    for (const auto& args : cases) {
        const auto run = RunProgram(PELMORA_SIM_PATH, args, {}, 10);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(SimServer, AnIdleClientIsDroppedSoTheNextIsServed) {
    SimProcess sim({"--idle-timeout", "300"});
    link::NullTrace trace;
    link::RealPlatform platform{[](const std::string& name) { return name; }, trace};
    const auto idle = platform.ConnectTcp("127.0.0.1", sim.port());
    ASSERT_NE(idle, nullptr);
    const auto run = RunCli({"--tcp", sim.address(), "identify"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(PrinterModel, GarbageKeepsTheLogsBounded) {
    sim::PrinterModel printer;
    printer.receivedLimit = 1000;
    printer.BeginSession();
    const std::vector<std::uint8_t> version{0x1D, 0x49, 0x41}, garbage(500, 0xFF);
    printer.Receive(version);
    for (int i = 0; i < 10; ++i) printer.Receive(garbage);
    EXPECT_EQ(printer.commandLog(), (std::vector<std::string>{"version", "unknown"}));
    EXPECT_EQ(printer.received().size(), 1000u);
    printer.BeginSession();  // the limits are per connection
    printer.Receive(version);
    EXPECT_EQ(printer.received().size(), 1003u);
}

TEST(SimRestart, RefusesConnectionsWhileRestarting) {
    test::TempDir dir;
    const auto firmware = dir / "x.fls";
    std::ofstream(firmware) << std::string(5000, '\x7f');
    SimProcess sim({"--restart-ms", "60000"});
    ASSERT_EQ(RunCli({"--tcp", sim.address(), "firmware", firmware.string()}).status, 0);
    const auto run = RunCli({"--tcp", sim.address(), "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Port open error!\n" + sim.address() + " refused the connection: nothing listens on that port (check the printer's address and port).\n");
    EXPECT_EQ(sim.Stop(), 0) << "a stop request ends the restart wait";
}

// The pseudo-terminal's modem lines: each end sets and clears its own bits.
TEST(SimModemLines, SetThenClearUnderTheFileTheEndsShare) {
    test::TempDir dir;
    const std::string file = (dir / "lines").string();
    int bits = -1;
    ASSERT_TRUE(sim::ReadModemLines(file.c_str(), bits));
    EXPECT_EQ(bits, 0);  // missing reads as nothing set
    ASSERT_TRUE(sim::ChangeModemLines(file.c_str(), TIOCM_DSR | TIOCM_CTS, 0));
    ASSERT_TRUE(sim::ChangeModemLines(file.c_str(), TIOCM_DTR, TIOCM_CTS));
    ASSERT_TRUE(sim::ReadModemLines(file.c_str(), bits));
    EXPECT_EQ(bits, TIOCM_DSR | TIOCM_DTR);
}

}  // namespace
}  // namespace pelmora
