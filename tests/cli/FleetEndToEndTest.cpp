// Several printers in one command, against several pelmora-sim processes over loopback.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "context/SettingsStore.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

// A profile reaches every live printer of a printers file at once; a dead
// printer in the middle fails alone. (The inventory's digest, by which drift
// from a profile shows, is ConfigCommand's in-process.)
TEST(FleetEndToEnd, AProfileReachesEveryLivePrinter) {
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

    const auto profileFile = (dir / "profile.json").string();  // a whole profile is ConfigProfile's
    std::ofstream(profileFile) << R"({"TimeOff": 30})";
    const auto printers = (dir / "printers").string();
    std::ofstream(printers) << "# the shop\ntcp " << sims[0]->address() << "\ntcp " << dead << "  # away\ntcp "
                            << sims[1]->address() << "\ntcp " << sims[2]->address() << '\n';
    const auto run = RunCli({"--printers", printers, "--jobs", "8", "config", "set", "--from", profileFile}, env);
    EXPECT_EQ(run.status, 1) << run.err;
    for (int i = 0; i < 3; ++i) {
        sims[i]->Stop();  // a printer saves its state once it has seen the connection end, maybe after pelmora exits
        EXPECT_EQ(nlohmann::json::parse(test::ReadFile(state(i)))["config"]["switches"]["5"], 30) << i;
    }
    EXPECT_NE(run.out.find("tcp " + dead + "  failed  Port open error!"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "tcp " + dead + ": Port open error!\ntcp " + dead + ": " + dead +
                           " refused the connection: nothing listens on that port (check the printer's address and port).\n");
    const auto stored = context::SettingsStore(store).ValueNames(context::ProductKey);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), "TimeOff"), 0) << "one store cannot hold several printers' records";
}

}  // namespace
}  // namespace pelmora
