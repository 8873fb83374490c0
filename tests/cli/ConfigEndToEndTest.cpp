// `pelmora config` against the real pelmora-sim over loopback TCP (real time: a few seconds each).
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

nlohmann::json ReadState(const std::filesystem::path& file) {
    std::ifstream in(file);
    return nlohmann::json::parse(in)["config"];
}

TEST(ConfigEndToEnd, SetThenDefault) {
    test::TempDir dir;
    const auto state = dir / "printer.json";
    const std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "r.reg").string()}};
    SimProcess sim({"--state", state.string()});

    auto run = RunCli({"--tcp", sim.address(), "config", "set", "Density=5", "TimeOff=30", "StartSentinel[1]=%"}, env);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Success to set VMSM configuration!\nPlease reset printer power.\n");
    auto held = ReadState(state);
    EXPECT_EQ(held["switches"]["1"], 0x0D);
    EXPECT_EQ(held["switches"]["5"], 30);
    EXPECT_EQ(held["switches"]["6"], 10) << "unnamed fields stay";
    EXPECT_EQ(held["startSentinel"][0], "25");
    EXPECT_EQ(held["startSentinel"][1], "535441525432");

    run = RunCli({"--tcp", sim.address(), "config", "default"}, env);
    ASSERT_EQ(run.status, 0) << run.err;
    held = ReadState(state);
    EXPECT_EQ(held["switches"]["1"], 0x0C);
    EXPECT_EQ(held["switches"]["5"], 15);
    EXPECT_EQ(held["startSentinel"][0], "535441525431");  // START1
}

}  // namespace
}  // namespace pelmora
