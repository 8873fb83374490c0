// What cannot be undone asks first on a terminal, and keeps a copy of the
// settings; scripts (no terminal) are never asked.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/Confirm.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

TEST(Confirm, OnlyYesGoesOnAndOnlyATerminalIsAsked) {
    const struct { const char* typed; bool goesOn; } answers[] = {
        {"y\n", true}, {"YES \n", true}, {"n\n", false}, {"\n", false}, {"", false}, {"yep\n", false}};
    for (const auto& a : answers) {
        std::istringstream in(a.typed);
        std::ostringstream err;
        EXPECT_EQ(cli::Confirmed(in, err, "Restore?", false, true), a.goesOn) << a.typed;
        EXPECT_EQ(err.str().rfind("Restore? [y/N] ", 0), 0u);
    }
    for (const auto& [yes, terminal] : {std::pair{true, true}, {false, false}}) {
        std::istringstream in("n\n");
        std::ostringstream err;
        EXPECT_TRUE(cli::Confirmed(in, err, "Restore?", yes, terminal));
        EXPECT_TRUE(err.str().empty()) << "nothing asked";
    }
}

struct Printer {
    test::TempDir dir;
    std::filesystem::path state = dir / "printer.json";
    std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
    SimProcess sim{{"--state", state.string(), "--restart-ms", "0"}};
    int TimeOff() {
        std::ifstream in(state);
        return nlohmann::json::parse(in)["config"]["switches"]["5"];
    }
    std::vector<std::filesystem::path> Copies() const {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            if (entry.path().filename().string().rfind("settings-", 0) == 0) found.push_back(entry.path());
        return found;
    }
    test::CliRun OnTerminal(std::vector<std::string> args, const std::string& typed) {
        args.insert(args.begin(), {"--tcp", sim.address()});
        return test::RunCliOnTerminal(args, env, typed);
    }
};

TEST(ConfirmEndToEnd, ConfigDefaultAsksOnATerminalAndKeepsACopy) {
    Printer p;
    ASSERT_EQ(RunCli({"--tcp", p.sim.address(), "config", "set", "TimeOff=30"}, p.env).status, 0);

    auto run = p.OnTerminal({"config", "default"}, "n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Restore the factory settings of --tcp " + p.sim.address() + "? [y/N] "), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("not confirmed; nothing was sent"), std::string::npos) << run.err;
    EXPECT_EQ(p.TimeOff(), 30);
    EXPECT_TRUE(p.Copies().empty());

    run = p.OnTerminal({"config", "default"}, "y\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(p.TimeOff(), 30);
    const auto copies = p.Copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(run.err.find("Settings saved in " + copies[0].string()), std::string::npos) << run.err;
    EXPECT_EQ(std::filesystem::status(copies[0]).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::ifstream copy(copies[0]);
    EXPECT_EQ(nlohmann::json::parse(copy)["TimeOff"], 30) << "the copy restores what was there";
}

TEST(ConfirmEndToEnd, ScriptsAreNeverAskedAndFirmwareKeepsACopyToo) {
    Printer p;
    const auto firmware = p.dir / "new.fls";
    std::ofstream(firmware, std::ios::binary) << std::string(5000, '\x11');
    // No terminal: RunCli's standard input is /dev/null.
    auto run = RunCli({"--tcp", p.sim.address(), "firmware", firmware.string()}, p.env);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("[y/N]"), std::string::npos);
    EXPECT_EQ(p.Copies().size(), 1u);

    run = p.OnTerminal({"--yes", "nv", "delete", "--all"}, "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("[y/N]"), std::string::npos) << "--yes asks nothing";
    run = RunCli({"--tcp", p.sim.address(), "config", "default", "--no-backup"}, p.env);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(p.Copies().size(), 1u) << "--no-backup";
}

}  // namespace
}  // namespace pelmora
