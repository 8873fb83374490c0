// `firmware --keep-settings` against pelmora-sim, which restarts after the
// firmware with its factory settings (restart waits kept short).
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

std::vector<std::filesystem::path> SavedSettings(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind("settings-", 0) == 0) found.push_back(entry.path());
    return found;
}

struct Update {
    test::TempDir dir;
    std::filesystem::path firmware = dir / "new.fls";
    std::filesystem::path storeFolder = dir / "store";
    std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (storeFolder / "registry.reg").string()}};
    Update() {
        std::filesystem::create_directories(storeFolder);
        std::ofstream(firmware, std::ios::binary) << std::string(9000, '\xA5');
    }
};

TEST(KeepSettingsEndToEnd, TheSettingsSurviveAndBothVersionsArePrinted) {
    Update u;
    const auto state = u.dir / "printer.json";
    SimProcess sim({"--state", state.string(), "--version-text", "V1.00 123115", "--next-version", "V1.00 090216",
                    "--restart-ms", "200"});
    ASSERT_EQ(RunCli({"--tcp", sim.address(), "config", "set", "TimeOff=30", "Density=5", "BtPinCode=4321"}, u.env)
                  .status,
              0);

    const auto run = RunCli({"--tcp", sim.address(), "firmware", "--keep-settings", u.firmware.string()}, u.env);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Version before: V1.00 123115\nVersion now:    V1.00 090216\n"), std::string::npos) << run.out;
    for (const char* stage : {"[1/6] ", "[3/6] ", "[6/6] "}) EXPECT_NE(run.err.find(stage), std::string::npos);

    std::ifstream in(state);
    const auto held = nlohmann::json::parse(in);
    EXPECT_EQ(held["identity"]["version"], "V1.00 090216");
    EXPECT_EQ(held["config"]["switches"]["5"], 30);
    EXPECT_EQ(held["config"]["switches"]["1"], 0x0D);
    EXPECT_EQ(held["config"]["btPinCode"], "34333231") << "the Bluetooth PIN too";
    const auto saved = SavedSettings(u.storeFolder);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_NE(saved[0].filename().string().find("-V1.00_123115.json"), std::string::npos);
    EXPECT_NE(run.err.find("Settings saved in " + saved[0].string()), std::string::npos);
    EXPECT_EQ(std::filesystem::status(saved[0]).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
        << "it holds the PIN";
    std::ifstream file(saved[0]);
    EXPECT_EQ(nlohmann::json::parse(file)["TimeOff"], 30);
}

}  // namespace
}  // namespace pelmora
