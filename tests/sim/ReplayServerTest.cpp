// pelmora-sim --replay served in this process: the recording's connections
// played in turn to a tool on loopback, what it says of each, and transcripts
// it cannot play.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "sim/ReplayServer.h"
#include "support/FdExchange.h"
#include "support/LoopbackListener.h"
#include "support/TempDir.h"

namespace pelmora::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

const char* kTwoConnections = R"({"transcript":1,"tool":"pelmora","version":"1.0.4","command":["pelmora","identify"]}
{"t":0,"link":1,"event":"open","channel":"tcp","port":"10.0.0.1:9100"}
{"t":1,"link":1,"event":"write","hex":"1D 49 43"}
{"t":2,"link":1,"event":"read","hex":"5F 41 00"}
{"t":3,"link":1,"event":"close"}
{"t":4,"link":1,"event":"open","channel":"tcp","port":"10.0.0.1:9100"}
{"t":5,"link":1,"event":"write","hex":"1D 49 41"}
{"t":6,"link":1,"event":"read","hex":"5F 56 00"}
{"t":7,"link":1,"event":"close"}
)";

// The tool's side: one connection, once the replay listens.
int Connect(std::uint16_t port) {
    sockaddr_in to{.sin_family = AF_INET, .sin_port = htons(port), .sin_addr = {htonl(INADDR_LOOPBACK)},
                   .sin_zero = {}};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) return fd;
        ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

struct Replay {
    explicit Replay(const std::string& text) {
        std::ofstream(dir / "t.jsonl") << text;
        test::LoopbackListener free(1);
        options.transcript = (dir / "t.jsonl").string();
        options.port = free.port();
    }
    // Plays the recording to `tool`, which runs as the client; the replay's exit status.
    int Play(const std::function<void(std::uint16_t)>& tool) {
        std::thread server([this] { status = RunReplay(options, stop, out, err); });
        tool(options.port);
        server.join();
        return status;
    }
    test::TempDir dir;
    ReplayOptions options;
    std::atomic<bool> stop{false};
    std::ostringstream out, err;
    int status = -1;
};

TEST(ReplayServer, PlaysEachConnectionInTurnAndNamesTheFirstDifference) {
    Replay same(kTwoConnections);
    EXPECT_EQ(same.Play([](std::uint16_t port) {
        for (const auto& [ask, answer] : {std::pair{Bytes{0x1D, 0x49, 0x43}, Bytes{0x5F, 0x41, 0x00}},
                                          std::pair{Bytes{0x1D, 0x49, 0x41}, Bytes{0x5F, 0x56, 0x00}}}) {
            const int fd = Connect(port);
            EXPECT_EQ(test::Exchange(fd, ask, 3), answer);
            ::close(fd);
        }
    }), 0);
    EXPECT_EQ(same.out.str(), "listening on 127.0.0.1:" + std::to_string(same.options.port) + "\n");
    EXPECT_EQ(same.err.str(), "replay: recorded by pelmora 1.0.4: pelmora identify\n"
                              "replay: connection 1 of 2: as recorded\nreplay: connection 2 of 2: as recorded\n"
                              "replay: every connection went as recorded\n");

    Replay other(kTwoConnections);
    EXPECT_EQ(other.Play([](std::uint16_t port) {
        const int fd = Connect(port);
        EXPECT_EQ(test::Exchange(fd, {0x1D, 0x49, 0x44}, 1), Bytes{}) << "no reply to what was never recorded";
        ::close(fd);
    }), 1);
    const std::string said = other.err.str();
    EXPECT_EQ(said.rfind("replay: recorded by pelmora 1.0.4: pelmora identify\nreplay: connection 1 of 2: ", 0), 0u)
        << said;
    EXPECT_EQ(said.find("as recorded"), std::string::npos) << said;
}

TEST(ReplayServer, ATranscriptItCannotReadOrPlayIsRefused) {
    test::TempDir dir;
    // What is no regular file (a FIFO, an endless device) is refused by the file reader's own tests.
    const auto missing = dir / "missing", broken = dir / "broken.jsonl";
    std::ofstream(broken) << "{ not json\n";
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {missing, "replay: cannot read " + missing.string() + ": No such file or directory\n"},
        {broken, "replay: " + broken.string() + ": "},
    };
    for (const auto& [file, why] : cases) {
        std::atomic<bool> stop{false};
        std::ostringstream out, err;
        EXPECT_EQ(RunReplay({file.string(), 0, "127.0.0.1", 0}, stop, out, err), 2) << file;
        EXPECT_EQ(err.str().rfind(why, 0), 0u) << err.str();
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace pelmora::sim
