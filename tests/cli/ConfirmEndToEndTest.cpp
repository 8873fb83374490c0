// What cannot be undone asks first on a terminal, and keeps a copy of the
// settings; scripts (no terminal) are never asked.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

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
    /// pelmora on a terminal of its own, answering `typed` to whatever it asks.
    test::CliRun OnTerminal(const std::vector<std::string>& args, const std::string& typed) {
        int master = -1;
        const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
        if (child == 0) {
            ::setenv("PELMORA_REGISTRY", env.at("PELMORA_REGISTRY").c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(PELMORA_CLI_PATH), const_cast<char*>("--tcp"),
                                    const_cast<char*>(sim.address().c_str())};
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(PELMORA_CLI_PATH, argv.data());
            std::_Exit(127);
        }
        test::CliRun run;
        bool answered = false;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (char buffer[256]; std::chrono::steady_clock::now() < until;) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0) break;  // the program ended and the terminal closed
            run.err.append(buffer, static_cast<std::size_t>(n));
            if (!answered && run.err.find("[y/N] ") != std::string::npos) {
                answered = ::write(master, typed.data(), typed.size()) == static_cast<ssize_t>(typed.size());
            }
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(master);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
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
