// pelmora discover against virtual printers and things that are not printers
// on several loopback addresses; what it finds feeds a fleet command.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <nlohmann/json.hpp>

#include "support/LoopbackListener.h"
#include "support/MockBluez.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using testing::HasSubstr;
using test::RunCli;
using test::SimProcess;

std::string At(const std::string& address, std::uint16_t port) { return address + ":" + std::to_string(port); }

struct DiscoverEndToEnd : testing::Test {
    // Printers on .2 and .3, a web server on .4, a listener that never answers
    // on .5 and another model on .6, all on one port; .7 is empty.
    void SetUp() override {
        sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{"--listen=127.0.0.2:0"}));
        port = sims[0]->port();
        const std::vector<std::vector<std::string>> others{
            {"--listen=" + At("127.0.0.3", port), "--version-text", "V1.00 123115"},
            {"--listen=" + At("127.0.0.4", port), "--garbage"},
            {"--listen=" + At("127.0.0.5", port), "--silent-from", "0"},
            {"--listen=" + At("127.0.0.6", port), "--model", "MPT-Z100"},
        };
        for (const auto& args : others) sims.push_back(std::make_unique<SimProcess>(args));
    }

    std::vector<std::unique_ptr<SimProcess>> sims;
    std::uint16_t port = 0;
};

TEST_F(DiscoverEndToEnd, FindsExactlyThePrintersAndNamesWhatElseAnswered) {
    test::TempDir dir;
    const std::string file = (dir / "shop.printers").string();
    const auto run =
        RunCli({"discover", "127.0.0.2-7", "--port", std::to_string(port), "--all", "--json", "--printers-file", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    std::vector<std::string> found, other;
    for (const auto& printer : json["found"]) found.push_back(printer["printer"]);
    for (const auto& answer : json["other"]) other.push_back(answer["address"]);
    EXPECT_EQ(found, (std::vector<std::string>{"tcp " + At("127.0.0.2", port), "tcp " + At("127.0.0.3", port)})) << run.out;
    // The web server, the silent listener and the other model, in address order (their messages are checked in-process).
    EXPECT_EQ(std::tuple(other, json["tried"]), std::tuple(std::vector<std::string>{"127.0.0.4", "127.0.0.5", "127.0.0.6"}, 6));

    // The file's lines are DiscoverOutputTest's, and PrinterListTest reads them back.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(test::FileMode(file), 0644u & ~mask) << "others on the machine may read the list, not change it";
}

// A listener whose queue is full: the kernel drops the SYN, so a connect waits.
struct Blackhole {
    Blackhole() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(listener.port());
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        for (int& f : fillers) {
            f = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            ::connect(f, reinterpret_cast<sockaddr*>(&address), sizeof address);
        }
    }
    ~Blackhole() {
        for (int f : fillers) ::close(f);
    }
    std::string target() const { return At("127.0.0.1", listener.port()); }
    test::LoopbackListener listener{0};
    int fillers[3]{};
};

TEST_F(DiscoverEndToEnd, CtrlCStopsTheWaitingConnectsAndListsWhatWasFound) {
    test::TempDir dir;
    const Blackhole blackhole;
    // The printer replaces its state file after each connection: the search's
    // connect probe is the first, the identification the second.
    const auto state = dir / "state.json";
    const auto stateInode = [&state] {
        struct stat info{};
        return ::stat(state.c_str(), &info) == 0 ? info.st_ino : ino_t{0};
    };
    SimProcess printer({"--listen=127.0.0.8:" + std::to_string(port), "--state", state.string()});
    const auto output = dir / "out.txt";
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        ::execl(PELMORA_CLI_PATH, PELMORA_CLI_PATH, "discover", blackhole.target().c_str(), printer.address().c_str(),
                "--jobs", "2", "--timeout", "60000", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ino_t first = 0;
    while ((first = stateInode()) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    for (int waited = 0; waited < 500 && stateInode() == first; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::kill(child, SIGINT);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string out = test::ReadFile(output);
    EXPECT_THAT(out, HasSubstr("tcp " + printer.address() + "  MPT-Q700VII"));
    EXPECT_THAT(out, HasSubstr("1 printer found; 1 address tried; interrupted."));
}

// Serial printers answer only at their own speed; a held port is left to its
// holder. libserialport takes a pseudo-terminal for a serial line only in a
// mount namespace that names it a tty.
TEST(DiscoverPorts, FindsEachPrinterAtItsSpeedAndSkipsAPortInUse) {
    if (::geteuid() != 0) GTEST_SKIP() << "a private mount namespace needs root (CI runs as root)";
    test::TempDir dir;
    const std::string lines = (dir / "modem-lines").string();
    const SimProcess slow({"--baud", "9600", "--modem-lines", lines}, {}, SimProcess::On::Pty);
    const SimProcess fast({"--baud", "115200", "--modem-lines", lines}, {}, SimProcess::On::Pty);
    const SimProcess held({"--modem-lines", lines}, {}, SimProcess::On::Pty);
    const int holder = ::open(held.ptyPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    const std::string file = (dir / "counter.printers").string();
    const std::string ttys = slow.ptyPath() + "," + fast.ptyPath() + "," + held.ptyPath();
    const auto inNamespace = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {ttys, PELMORA_CLI_PATH});
        return test::RunProgram(PELMORA_SERIAL_NAMESPACE, args,
                                {{"SERIAL_NAMESPACE_PRELOAD", PELMORA_MODEM_PRELOAD},
                                 {"PELMORA_MODEM_TTY", ttys},
                                 {"PELMORA_MODEM_LINES", lines},
                                 {"PELMORA_REGISTRY", (dir / "r.reg").string()}},
                                60);
    };
    const auto run =
        inNamespace({"discover", slow.ptyPath(), fast.ptyPath(), held.ptyPath(), "--json", "--printers-file", file});
    ::close(holder);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json["found"].size(), 2u) << run.out;
    EXPECT_EQ(json["found"][0]["printer"], "serial " + slow.ptyPath() + " baud=9600");
    EXPECT_EQ(json["found"][1]["printer"], "serial " + fast.ptyPath() + " baud=115200");
    ASSERT_EQ(json["skipped"].size(), 1u) << run.out;
    EXPECT_THAT(json["skipped"][0]["message"].get<std::string>(), HasSubstr("in use"));

    // Each printer of the file is reached at its own speed, whatever --baud says.
    const auto fleet = inNamespace({"--printers", file, "identify", "--json"});
    ASSERT_EQ(fleet.status, 0) << fleet.err;
    EXPECT_EQ(nlohmann::json::parse(fleet.out).size(), 2u) << fleet.out;
}

// With no serial line in sight, the machine's search is BlueZ's list.
TEST(DiscoverPorts, ListsTheBluetoothDevicesBlueZKnows) {
    if (::geteuid() != 0) GTEST_SKIP() << "a private mount namespace needs root (CI runs as root)";
    const test::MockBluez bluez("printers");
    if (bluez.Skipped()) GTEST_SKIP() << bluez.address();
    const auto json = test::RunProgram(PELMORA_SERIAL_NAMESPACE, {"", PELMORA_CLI_PATH, "discover", "--json"}, {}, 60);
    ASSERT_EQ(json.status, 0) << json.err;
    const auto found = nlohmann::json::parse(json.out);
    EXPECT_EQ(found["found"].size(), 0u);
    EXPECT_EQ(found["portsTried"], 0);
    ASSERT_EQ(found["bluetooth"].size(), 2u) << json.out;
    EXPECT_EQ(found["bluetooth"][0]["address"], "00:11:22:33:44:55");
}

}  // namespace
}  // namespace pelmora
