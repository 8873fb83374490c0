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
    const auto text = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "identify"});
    EXPECT_EQ(std::pair(text.status, text.out),
              std::pair(0, std::string("Model:    MPT-Q700VII (code 703)\nVersion:  V1.00 123115\nFirmware: 101001\n")));
    const auto json = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "identify", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::parse(R"({"ModelName": "MPT-Q700VII", "ModelCode": 703,
                                                 "VersionText": "V1.00 123115", "FirmwareVersion": 101001})"));
}

TEST(IdentifyEndToEnd, APeerThatClosesTheConnectionIsNamedAsTheCause) {
    test::LoopbackListener listener(1);
    ASSERT_GE(listener.fd(), 0);
    std::thread peer([fd = listener.fd()] { ::close(::accept(fd, nullptr, nullptr)); });
    const auto run = RunCli({"--tcp", "127.0.0.1:" + std::to_string(listener.port()), "identify"});
    peer.join();
    EXPECT_EQ(std::tie(run.status, run.err),
              std::tuple(1, "Printer model is not matched!\nThe printer closed the connection.\n"));
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
