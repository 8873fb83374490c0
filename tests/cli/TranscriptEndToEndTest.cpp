// `pelmora --transcript` and `pelmora-sim --replay` over loopback TCP.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

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
    // Plays `file` back and runs `config get` against it; `simStatus` is how the replay ended.
    test::CliRun Replay(const std::filesystem::path& file, int& simStatus) {
        SimProcess sim({"--replay", file.string()}, simErr.string());
        auto run = RunCli({"--tcp", sim.address(), "config", "get"});
        simStatus = sim.Stop();
        return run;
    }

    test::TempDir dir;
    std::filesystem::path transcript = dir / "support.jsonl";
    std::filesystem::path simErr = dir / "sim.err";
};

TEST_F(TranscriptEndToEnd, ConfigGetReplaysWithTheSameOutputAndAChangedByteIsNamed) {
    test::CliRun recorded;
    {
        SimProcess sim;
        recorded = RunCli({"--tcp", sim.address(), "--transcript", transcript.string(), "config", "get"});
    }
    ASSERT_EQ(recorded.status, 0) << recorded.err;

    auto lines = Lines(transcript);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0]["tool"], "pelmora");
    EXPECT_FALSE(lines[0]["version"].get<std::string>().empty());
    EXPECT_EQ(lines[0]["command"].back(), "get");
    EXPECT_EQ(lines[1]["event"], "open");
    EXPECT_EQ(lines[1]["channel"], "tcp");
    EXPECT_EQ(lines.back()["event"], "close");
    struct stat info {};
    ASSERT_EQ(::stat(transcript.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0077, 0u) << "PIN codes pass the link: the owner's eyes only";

    int simStatus = -1;
    const auto replayed = Replay(transcript, simStatus);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, recorded.out);
    EXPECT_EQ(simStatus, 0) << test::ReadFile(simErr);
    EXPECT_NE(test::ReadFile(simErr).find("every connection went as recorded"), std::string::npos);

    // Pretend the tool of the recording ended its first request with another byte.
    const auto write =
        std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.value("event", "") == "write"; });
    ASSERT_NE(write, lines.end());
    std::string hex = (*write)["hex"];
    const char original = hex.back();
    hex.back() = original == '9' ? '8' : '9';
    (*write)["hex"] = hex;
    const std::string changed = "first difference at offset " + std::to_string((hex.size() + 1) / 3 - 1) +
                                ": expected " + hex.substr(hex.size() - 2) + ", got " + hex.substr(hex.size() - 2, 1) +
                                original;
    const auto edited = dir / "edited.jsonl";
    {
        std::ofstream out(edited);
        for (const auto& line : lines) out << line.dump() << '\n';
    }

    const auto run = Replay(edited, simStatus);
    EXPECT_EQ(run.status, 1) << "the replaying printer hangs up at the difference";
    EXPECT_EQ(simStatus, 1);
    EXPECT_NE(test::ReadFile(simErr).find(changed), std::string::npos) << test::ReadFile(simErr);
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
    EXPECT_EQ(std::filesystem::status(old).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// The replay reads nothing endless to its end, and nothing blocks.
TEST_F(TranscriptEndToEnd, TheReplayRefusesWhatIsNoTranscript) {
    const auto fifo = (dir / "fifo.jsonl").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(dir / "garbage.jsonl") << "{\"transcript\":1}\nnot json\n";
    for (const auto& [file, message] : {std::pair{dir / "garbage.jsonl", "line 2"},
                                        std::pair{dir / "missing.jsonl", "cannot read"},
                                        std::pair{std::filesystem::path("/dev/zero"), "it is a device"},
                                        std::pair{std::filesystem::path(fifo), "it is a FIFO"}}) {
        const auto replay = test::RunProgram(PELMORA_SIM_PATH, {"--listen", "127.0.0.1:0", "--replay", file.string()});
        EXPECT_EQ(replay.status, 2) << file;
        EXPECT_NE(replay.err.find(message), std::string::npos) << replay.err;
    }
}

}  // namespace
}  // namespace pelmora
