// What cannot be undone asks first on a terminal, and keeps a copy of the
// settings; scripts (no terminal) are never asked.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "cli/Confirm.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using testing::HasSubstr;
using test::RunCli;
using test::SimProcess;

// Whether it asks at all (--yes, no terminal) is ConfirmEndToEnd's.
TEST(Confirm, OnlyYesGoesOn) {
    const struct { const char* typed; bool goesOn; } answers[] = {
        {"y\n", true}, {"YES \n", true}, {"n\n", false}, {"\n", false}, {"", false}, {"yep\n", false}};
    for (const auto& a : answers) {
        std::istringstream in(a.typed);
        std::ostringstream err;
        EXPECT_EQ(cli::Confirmed(in, err, "Restore?", false, true), a.goesOn) << a.typed;
        EXPECT_EQ(err.str().rfind("Restore? [y/N] ", 0), 0u);
    }
}

// Restarts 0 ms after a firmware, as another version.
struct Printer {
    test::TempDir dir;
    std::filesystem::path state = dir / "printer.json";
    std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
    SimProcess sim{{"--state", state.string(), "--restart-ms", "0", "--version-text", "V1.00 123115",
                    "--next-version", "V1.00 090216"}};
    nlohmann::json State() const { return nlohmann::json::parse(test::ReadFile(state)); }
    /// The settings copies, each checked to be its owner's alone (they hold the PIN).
    std::vector<std::filesystem::path> Copies() const {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            if (entry.path().filename().string().rfind("settings-", 0) == 0) found.push_back(entry.path());
        for (const auto& copy : found) EXPECT_EQ(test::FileMode(copy), 0600u) << copy;
        return found;
    }
    test::CliRun Run(std::vector<std::string> args) { return OnTerminal(std::move(args), std::nullopt); }
    test::CliRun OnTerminal(std::vector<std::string> args, const std::optional<std::string>& typed) {
        args.insert(args.begin(), {"--tcp", sim.address()});
        return typed ? test::RunCliOnTerminal(args, env, *typed) : RunCli(args, env);
    }
};

// A terminal is asked and a refusal sends nothing; scripts and --yes are never
// asked. Every restore and update keeps a copy, a new file each time, unless
// --no-backup says otherwise (what a copy of an update holds is KeepSettingsWait's).
TEST(ConfirmEndToEnd, OnlyATerminalIsAskedAndEveryChangeKeepsACopy) {
    Printer p;
    const auto firmware = p.dir / "new.fls";
    std::ofstream(firmware, std::ios::binary) << std::string(9000, '\xA5');
    ASSERT_EQ(p.Run({"config", "set", "TimeOff=30"}).status, 0);
    auto run = p.OnTerminal({"config", "default"}, "n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("Restore the factory settings of --tcp " + p.sim.address() + "? [y/N] "));
    EXPECT_THAT(run.err, HasSubstr("not confirmed; nothing was sent"));
    EXPECT_EQ(p.State()["config"]["switches"]["5"], 30);
    EXPECT_TRUE(p.Copies().empty());

    run = p.OnTerminal({"config", "default"}, "y\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(p.State()["config"]["switches"]["5"], 30);
    EXPECT_EQ(p.Copies().size(), 1u) << "a restore keeps one";

    // No terminal (RunCli's standard input is /dev/null): not asked.
    run = p.Run({"firmware", firmware.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("[y/N]"), std::string::npos);
    EXPECT_EQ(p.Copies().size(), 2u) << "an update keeps one too, never over an earlier copy";
    run = p.OnTerminal({"--yes", "nv", "delete", "--all"}, "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("[y/N]"), std::string::npos) << "--yes asks nothing";
    EXPECT_EQ(p.Run({"config", "default", "--no-backup"}).status, 0);
    EXPECT_EQ(p.Copies().size(), 2u) << "--no-backup";
}

}  // namespace
}  // namespace pelmora
