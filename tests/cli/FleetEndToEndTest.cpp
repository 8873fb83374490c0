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
    return nlohmann::json::parse(test::ReadFile(state))["config"]["switches"];
}

// The inventory tells which printers drift from a profile (the same settings
// give the profile's digest whatever the printer); the profile then reaches
// every live printer. A dead printer in the middle fails alone.
TEST(FleetEndToEnd, InventoryShowsTheDriftAndAProfileReachesEveryLivePrinter) {
    test::TempDir dir;
    const auto store = dir / "registry.reg";
    const std::map<std::string, std::string> env{{"PELMORA_REGISTRY", store.string()}};
    const auto state = [&dir](int i) { return dir / ("p" + std::to_string(i) + ".json"); };
    std::vector<std::unique_ptr<SimProcess>> sims;
    for (int i = 0; i < 3; ++i)
        sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{"--state", state(i).string()}));
    SimProcess gone;
    const std::string dead = gone.address();
    gone.Stop();

    auto run = RunCli({"--tcp", sims[0]->address(), "config", "get", "--json"}, env);
    ASSERT_EQ(run.status, 0) << run.err;
    auto profile = nlohmann::json::parse(run.out);
    // One printer's command keeps its record in a store of its own.
    ASSERT_EQ(RunCli({"--tcp", sims[1]->address(), "config", "set", "TimeOff=45"},
                     {{"PELMORA_REGISTRY", (dir / "one.reg").string()}}).status, 0);
    run = RunCli({"--tcp", sims[0]->address(), "--tcp", sims[1]->address(), "--tcp", dead, "--tcp", sims[2]->address(),
                  "inventory", "--json"}, env);
    EXPECT_EQ(run.status, 1);
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.size(), 4u);
    const std::string wanted = cli::SettingsDigest(profile);
    EXPECT_EQ(json[0]["output"]["SettingsDigest"], wanted);
    EXPECT_NE(json[1]["output"]["SettingsDigest"], wanted);
    // How a failure is laid out is FleetReport.JsonEmbedsTheCommandsJsonOnlyWhenItPrintedJson's.
    EXPECT_EQ(json[2]["cause"], dead + " refused the connection: nothing listens on that port.");
    EXPECT_EQ(json[3]["output"]["SettingsDigest"], wanted);
    EXPECT_EQ(json[3]["output"]["FirmwareVersion"], 160902);
    EXPECT_EQ(json[3]["output"]["NvCodes"], nlohmann::json::array());
    // What `jq -jcS 'del(.printer)' | sha256sum` gives for the same settings.
    EXPECT_EQ(cli::SettingsDigest({{"printer", "x"}, {"a", 1}}),
              "015abd7f5cc57a2dd94b7590f04ad8084273905ee33ec5cebeae62276a97f862");

    profile["TimeOff"] = 30;
    const auto profileFile = (dir / "profile.json").string();
    std::ofstream(profileFile) << profile.dump();
    const auto printers = (dir / "printers").string();
    std::ofstream(printers) << "# the shop\ntcp " << sims[0]->address() << "\ntcp " << dead << "  # away\ntcp "
                            << sims[1]->address() << "\ntcp " << sims[2]->address() << '\n';
    run = RunCli({"--printers", printers, "--jobs", "8", "config", "set", "--from", profileFile}, env);
    EXPECT_EQ(run.status, 1) << run.err;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(HeldSwitches(state(i))["5"], 30) << i;
    EXPECT_NE(run.out.find("tcp " + dead + "  failed  Port open error!"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("tcp " + sims[2]->address() + "  ok"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "tcp " + dead + ": Port open error!\ntcp " + dead + ": " + dead +
                           " refused the connection: nothing listens on that port.\n");
    const auto stored = context::SettingsStore(store).ValueNames(context::ProductKey);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), "TimeOff"), 0) << "one store cannot hold several printers' records";
}

}  // namespace
}  // namespace pelmora
