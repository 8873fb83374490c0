// identify against the real pelmora-sim over a real socket and terminal, and its
// outputs in-process.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>
#include <nlohmann/json.hpp>

#include "support/ConfigCli.h"
#include "support/LoopbackListener.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

// Firmware dates are read in the core's own tests; here the version reaches both outputs.
TEST(Identify, TextThenJsonGiveModelCodeAndFirmwareByDate) {
    test::ConfigCli cli;
    cli.printer.identity.versionText = "V1.00 123115";
    auto run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "identify"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Firmware: 101001"), std::string::npos) << run.out;
    run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "identify", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json want = {
        {"ModelName", "MPT-Q700VII"}, {"ModelCode", 703}, {"VersionText", "V1.00 123115"}, {"FirmwareVersion", 101001}};
    for (const auto& [key, value] : want.items()) EXPECT_EQ(nlohmann::json::parse(run.out)[key], value) << key;
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

}  // namespace
}  // namespace pelmora
