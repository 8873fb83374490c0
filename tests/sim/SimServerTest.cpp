#include <gtest/gtest.h>

#include <fstream>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::RunProgram;
using test::SimProcess;

TEST(SimServer, StateFileKeepsThePrinterBetweenRuns) {
    test::TempDir dir;
    const auto state = (dir / "printer.json").string();
    {
        SimProcess sim({"--state", state, "--model", "MPT-Q800VII"});
        EXPECT_EQ(RunCli({"--tcp", sim.address(), "identify"}).status, 1);
        EXPECT_EQ(sim.Stop(), 0);  // SIGTERM ends it cleanly
    }
    SimProcess again({"--state", state});
    const auto run = RunCli({"--tcp", again.address(), "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Printer model is not matched!\n");
}

TEST(SimServer, BadOptionsAndBadStateAreRefused) {
    test::TempDir dir;
    const auto broken = dir / "broken.json";
    std::ofstream(broken) << "{ not json";
    const std::vector<std::vector<std::string>> cases = {
        {"--listen", "nonsense"},
        {"--listen", "127.0.0.1:70000"},
        {"--fault", "model=sometimes"},
        {"--state", broken.string()},
    };
    for (const auto& args : cases) {
        const auto run = RunProgram(PELMORA_SIM_PATH, args, {}, 10);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(SimServer, ServesOneClientAfterAnother) {
    SimProcess sim({"--version-text", "V1.00 123115"});
    for (int i = 0; i < 3; ++i) {
        const auto run = RunCli({"--tcp", sim.address(), "identify"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Firmware: 101001"), std::string::npos);
    }
}

}  // namespace
}  // namespace pelmora
