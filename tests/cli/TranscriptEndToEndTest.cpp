// `pelmora --transcript` and `pelmora-sim --replay` over loopback TCP.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "support/ConfigCli.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

std::vector<nlohmann::json> Lines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<nlohmann::json> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

class TranscriptEndToEnd : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path transcript = dir / "support.jsonl";
    std::filesystem::path simErr = dir / "sim.err";
};

// The difference a replay names, and the refusals of what it cannot play, are
// ReplayServerTest's; here the real programs' transcript replays as recorded.
TEST_F(TranscriptEndToEnd, ConfigGetReplaysWithTheSameOutput) {
    test::CliRun recorded;
    {
        SimProcess sim;
        recorded = RunCli({"--tcp", sim.address(), "--transcript", transcript.string(), "config", "get"});
    }
    ASSERT_EQ(recorded.status, 0) << recorded.err;

    auto lines = Lines(transcript);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::tuple(lines[0]["tool"], lines[0]["command"].back(), lines[1]["event"], lines[1]["channel"]),
              std::tuple("pelmora", "get", "open", "tcp"));
    EXPECT_FALSE(lines[0]["version"].get<std::string>().empty());
    EXPECT_EQ(lines.back()["event"], "close");
    EXPECT_EQ(test::FileMode(transcript) & 0077, 0u) << "PIN codes pass the link: the owner's eyes only";

    SimProcess sim({"--replay", transcript.string()}, simErr.string());
    const auto replayed = RunCli({"--tcp", sim.address(), "config", "get"});
    EXPECT_EQ(sim.Stop(), 0) << test::ReadFile(simErr);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, recorded.out);
    EXPECT_NE(test::ReadFile(simErr).find("every connection went as recorded"), std::string::npos);
}

// What cannot be written is the command line table's; an older file open to
// all is the owner's only once it holds a transcript.
TEST(Transcript, AnOlderFileBecomesTheOwnersOnly) {
    test::ConfigCli cli;
    const auto old = cli.dir / "old.jsonl";
    std::ofstream(old) << "older\n";
    std::filesystem::permissions(old, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                          std::filesystem::perms::others_read);
    EXPECT_EQ(cli.RunPelmora({"--tcp", "127.0.0.1:9100", "--transcript", old.string(), "identify"}).status, 0);
    EXPECT_EQ(test::FileMode(old), 0600u);
}

// The replay reads nothing endless to its end (a missing file, a FIFO and a
// damaged line are ReplayServerTest's and ReplayTest's).
TEST_F(TranscriptEndToEnd, TheReplayRefusesADevice) {
    const auto replay = test::RunProgram(PELMORA_SIM_PATH, {"--listen", "127.0.0.1:0", "--replay", "/dev/zero"});
    EXPECT_EQ(replay.status, 2);
    EXPECT_NE(replay.err.find("it is a device"), std::string::npos) << replay.err;
}

}  // namespace
}  // namespace pelmora
