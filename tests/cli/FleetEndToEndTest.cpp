// Several printers in one command, against several pelmora-sim processes over loopback.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/PrinterActions.h"
#include "context/SettingsStore.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

nlohmann::json HeldSwitches(const std::filesystem::path& state) {
    std::ifstream in(state);
    return nlohmann::json::parse(in)["config"]["switches"];
}

TEST(FleetEndToEnd, AProfileReachesEveryLivePrinterWhileADeadOneFails) {
    test::TempDir dir;
    const auto store = dir / "registry.reg";
    const std::map<std::string, std::string> env{{"PELMORA_REGISTRY", store.string()}};
    std::vector<std::unique_ptr<SimProcess>> sims;
    for (int i = 0; i < 3; ++i)
        sims.push_back(std::make_unique<SimProcess>(
            std::vector<std::string>{"--state", (dir / ("p" + std::to_string(i) + ".json")).string()}));
    SimProcess gone;
    const std::string dead = gone.address();
    gone.Stop();

    auto run = RunCli({"--tcp", sims[0]->address(), "config", "get", "--json"}, env);
    ASSERT_EQ(run.status, 0) << run.err;
    auto profile = nlohmann::json::parse(run.out);
    profile["TimeOff"] = 30;
    const auto profileFile = (dir / "profile.json").string();
    std::ofstream(profileFile) << profile.dump();
    const auto printers = (dir / "printers").string();
    std::ofstream(printers) << "# the shop\ntcp " << sims[0]->address() << "\ntcp " << dead << "  # away\ntcp "
                            << sims[1]->address() << "\ntcp " << sims[2]->address() << '\n';

    run = RunCli({"--printers", printers, "--jobs", "8", "config", "set", "--from", profileFile}, env);
    EXPECT_EQ(run.status, 1) << run.err;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(HeldSwitches(dir / ("p" + std::to_string(i) + ".json"))["5"], 30) << i;
    EXPECT_NE(run.out.find("tcp " + dead + "  failed  Port open error!"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("tcp " + sims[2]->address() + "  ok"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "tcp " + dead + ": Port open error!\ntcp " + dead + ": " + dead +
                           " refused the connection: nothing listens on that port.\n");
    const auto stored = context::SettingsStore(store).ValueNames(context::ProductKey);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), "TimeOff"), 0) << "one store cannot hold several printers' records";
}

// The inventory tells which printers hold the profile: the same settings give
// the profile's digest whatever the printer; a dead printer in the middle fails alone.
TEST(FleetEndToEnd, InventoryShowsWhichPrintersDriftFromTheProfile) {
    SimProcess sims({"--count", "3"});
    auto address = [&](int i) { return "127.0.0.1:" + std::to_string(sims.port() + i); };
    SimProcess gone;
    const std::string dead = gone.address();
    gone.Stop();
    const auto profile = RunCli({"--tcp", address(0), "config", "get", "--json"});
    ASSERT_EQ(profile.status, 0) << profile.err;
    ASSERT_EQ(RunCli({"--tcp", address(1), "config", "set", "TimeOff=30"}).status, 0);

    const auto run = RunCli({"--tcp", address(0), "--tcp", address(1), "--tcp", dead, "--tcp", address(2), "inventory", "--json"});
    EXPECT_EQ(run.status, 1);
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.size(), 4u);
    const std::string wanted = cli::SettingsDigest(nlohmann::json::parse(profile.out));
    EXPECT_EQ(json[0]["output"]["SettingsDigest"], wanted);
    EXPECT_NE(json[1]["output"]["SettingsDigest"], wanted);
    EXPECT_EQ(json[2]["result"], "failed");
    EXPECT_EQ(json[2]["error"], "Port open error!");
    EXPECT_EQ(json[2]["cause"], dead + " refused the connection: nothing listens on that port.");
    EXPECT_TRUE(json[2]["output"].is_null());
    EXPECT_EQ(json[3]["output"]["SettingsDigest"], wanted);
    EXPECT_EQ(json[3]["output"]["FirmwareVersion"], 160902);
    EXPECT_EQ(json[3]["output"]["NvCodes"], nlohmann::json::array());
    // What `jq -jcS 'del(.printer)' | sha256sum` gives for the same settings.
    EXPECT_EQ(cli::SettingsDigest({{"printer", "x"}, {"a", 1}}),
              "015abd7f5cc57a2dd94b7590f04ad8084273905ee33ec5cebeae62276a97f862");
}

}  // namespace
}  // namespace pelmora
