// The virtual printer on a pseudo-terminal, served in this process: the client's
// line speed, a session from the first bytes to the client's close, and the
// pulled cable.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "sim/PrinterModel.h"
#include "sim/SimServer.h"
#include "support/FdExchange.h"

namespace pelmora::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Exchange;
const Bytes kVersion{0x1D, 0x49, 0x41};

struct PtyPrinter {
    explicit PtyPrinter(SimServerOptions options) : server(printer, options) {
        std::string error;
        opened = server.OpenPty(error);
        EXPECT_TRUE(opened) << error;
        server.afterSession = [this](PrinterModel&) { ++sessions; };
        if (opened) thread = std::thread([this] {
            server.RunPty(stop);
            ended = true;
        });
    }
    ~PtyPrinter() {
        stop = true;
        if (thread.joinable()) thread.join();
    }
    /// The slave, raw at `speed`, as a serial client sets it.
    int Connect(speed_t speed) const {
        const int fd = ::open(server.ptyPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios line{};
        ::tcgetattr(fd, &line);
        ::cfmakeraw(&line);
        ::cfsetspeed(&line, speed);
        ::tcsetattr(fd, TCSANOW, &line);
        return fd;
    }
    PrinterModel printer;
    SimServer server;
    bool opened = false;
    std::atomic<bool> stop{false};
    std::atomic<int> sessions{0};
    std::atomic<bool> ended{false};
    std::thread thread;
};

bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 100 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return done();
}

// Each speed a client may set, against a printer at that speed and one at the next.
TEST(SimPty, AnswersAtItsSpeedAndNoiseAtAnother) {
    PrinterModel reference;
    Bytes answer;
    for (const auto& reply : reference.Receive(kVersion)) answer.insert(answer.end(), reply.bytes.begin(), reply.bytes.end());
    const std::pair<speed_t, std::uint32_t> speeds[] = {{B2400, 2400},   {B4800, 4800},   {B9600, 9600}, {B19200, 19200},
                                                         {B38400, 38400}, {B57600, 57600}, {B115200, 115200}};
    for (std::size_t i = 0; i < std::size(speeds); ++i) {
        SimServerOptions options;
        options.baud = speeds[i].second;
        PtyPrinter sim(options);
        ASSERT_TRUE(sim.opened);
        const int wrong = sim.Connect(speeds[(i + 1) % std::size(speeds)].first);
        EXPECT_EQ(Exchange(wrong, kVersion, 5), (Bytes{0xF8, 0x00, 0x80, 0xFE, 0x78})) << options.baud;
        ::close(wrong);
        ASSERT_TRUE(Eventually([&] { return sim.sessions == 1; })) << "the close ends the session";
        if (i == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            EXPECT_EQ(sim.sessions, 1) << "a line left closed is no further session";
        }
        const int right = sim.Connect(speeds[i].first);
        EXPECT_EQ(Exchange(right, kVersion, answer.size()), answer) << options.baud;
        EXPECT_EQ(sim.sessions, 1);
        ::close(right);
        EXPECT_TRUE(Eventually([&] { return sim.sessions == 2; }));
    }
}

TEST(SimPty, HangsUpAfterTheCommandsItWasGiven) {
    SimServerOptions options;
    options.hangupAfter = 2;
    PtyPrinter sim(options);
    ASSERT_TRUE(sim.opened);
    const int client = sim.Connect(B115200);
    EXPECT_FALSE(Exchange(client, kVersion, 1).empty());
    Exchange(client, kVersion, 1);
    EXPECT_TRUE(Eventually([&] { return sim.ended.load(); })) << "it ends by itself once the line is down";
    EXPECT_EQ(sim.sessions, 1);
    EXPECT_EQ(sim.printer.commandLog().size(), 0u) << "the session's logs are cleared with it";
    ::close(client);
}

}  // namespace
}  // namespace pelmora::sim
