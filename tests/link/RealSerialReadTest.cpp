#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "link/FdIo.h"
#include "link/SerialReadLoop.h"

namespace pelmora::link {
namespace {

// Bytes that reach the port at given virtual times; waiting moves the clock.
class ScheduledSource final : public ByteSource {
public:
    explicit ScheduledSource(VirtualClock& clock) : clock_(clock) {}
    void Arrive(std::uint64_t at, int count) {
        while (count-- > 0) bytes_.push_back({at, static_cast<std::uint8_t>(bytes_.size())});
    }
    std::uint64_t failAt = UINT64_MAX;

    bool WaitReadable(std::uint32_t ms) override {
        const std::uint64_t until = clock_.Now() + ms;
        const bool arrives = next_ < bytes_.size() && bytes_[next_].at <= until;
        clock_.AdvanceTo(arrives ? bytes_[next_].at : std::min(until, failAt));
        return arrives || clock_.Now() >= failAt;
    }
    int ReadAvailable(std::uint8_t* buffer, int capacity) override {
        int taken = 0;
        while (taken < capacity && next_ < bytes_.size() && bytes_[next_].at <= clock_.Now())
            buffer[taken++] = bytes_[next_++].value;
        return taken == 0 && clock_.Now() >= failAt ? -1 : taken;
    }

private:
    struct Byte { std::uint64_t at; std::uint8_t value; };
    VirtualClock& clock_;
    std::vector<Byte> bytes_;
    std::size_t next_ = 0;
};

constexpr SerialTimeouts kWorking{10, 10, 1000, 174, 500};

// arrivals: (ms after the start, bytes); failAt: when the port fails, 0 for never.
struct ReadCase { const char* name; SerialTimeouts timeouts; int capacity; std::vector<std::pair<std::uint64_t, int>> arrivals;
                  int expectedCount; std::uint64_t expectedEnd; std::uint64_t failAt = 0; };

class SerialReadLoop : public testing::TestWithParam<ReadCase> {};

TEST_P(SerialReadLoop, ReturnsWhenTheTimeOutRuleSays) {
    const ReadCase& c = GetParam();
    VirtualClock clock;
    clock.AdvanceTo(0xFFFFFFFFull - 500);  // the tick counter wraps during the read
    const std::uint64_t start = clock.Now();
    ScheduledSource source(clock);
    for (const auto& [at, count] : c.arrivals) source.Arrive(start + at, count);
    if (c.failAt) source.failAt = start + c.failAt;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(c.capacity));
    EXPECT_EQ(ReadWithTimeouts(source, clock, c.timeouts, buffer.data(), c.capacity), c.expectedCount);
    EXPECT_EQ(clock.Now() - start, c.expectedEnd);
}

std::vector<std::pair<std::uint64_t, int>> EveryNineMs() {
    std::vector<std::pair<std::uint64_t, int>> arrivals;
    for (std::uint64_t at = 0; at < 900; at += 9) arrivals.push_back({at, 1});
    return arrivals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialReadLoop,
    testing::Values(
        ReadCase{"Silent100Bytes", kWorking, 100, {}, 0, 2000},
        ReadCase{"SilentProbeReadWhileOpening", SerialTimeouts{2000, 1000, 10, 0, 0}, 1, {}, 0, 1010},
        ReadCase{"BurstOf25EndsTenMsAfterItsLastByte", kWorking, 100, {{300, 10}, {301, 10}, {302, 5}}, 25, 312},
        ReadCase{"GapLongerThanTheIntervalEndsTheRead", kWorking, 100, {{300, 5}, {320, 5}}, 5, 310},
        ReadCase{"GapOfExactlyTheIntervalDoesNot", kWorking, 100, {{300, 5}, {310, 5}}, 10, 320},
        ReadCase{"AllWantedBytesEndTheReadAtOnce", kWorking, 3, {{40, 3}, {41, 3}}, 3, 40},
        ReadCase{"TrickleIsCutByTheTotalBound", SerialTimeouts{10, 1, 100, 0, 0}, 255, EveryNineMs(), 40, 355},
        ReadCase{"NoTimeOutsReturnWhatIsThere", SerialTimeouts{}, 10, {{0, 4}}, 4, 0},
        ReadCase{"FailedPortEndsTheReadAtOnce", kWorking, 100, {}, -1, 55, 55},
        ReadCase{"BytesBeforeAFailureAreReturned", kWorking, 100, {{50, 4}}, 4, 55, 55}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

// The real source on a pseudo-terminal in raw mode with no minimum count and
// no timer, as libserialport leaves a port: an empty read there is silence.
TEST(SerialReadLoopOnPty, ReadsWhatArrivedTimesOutOnSilenceAndReportsAVanishedPort) {
    termios raw{};
    ::cfmakeraw(&raw);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, &raw, nullptr), 0);
    ::fcntl(slave, F_SETFL, ::fcntl(slave, F_GETFL) | O_NONBLOCK);
    SystemClock clock;
    StopRequest stop;
    FdByteSource source(slave, &stop);
    std::uint8_t buffer[100] = {};

    ASSERT_EQ(::write(master, "\x1d\x49\x43\n", 4), 4);
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{10, 0, 500, 0, 0}, buffer, 100), 4);
    EXPECT_EQ(buffer[1], 0x49);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{10, 0, 30, 0, 0}, buffer, 100), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(29));

    // A Cancel from another thread ends a minute's wait; the ctest limit catches a hang.
    std::thread cancel([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.Request();
    });
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{0, 0, 60'000, 0, 0}, buffer, 100, &stop), 0);
    cancel.join();
    stop.Clear();

    ::close(master);
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{10, 10, 5000, 0, 0}, buffer, 100), -1);
    ::close(slave);
}

// Data, nothing yet, the other end gone, and an error are four different answers.
TEST(ReadNow, TellsDataSilenceEndAndError) {
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_NONBLOCK), 0);
    std::uint8_t buffer[8] = {};
    ASSERT_EQ(WriteBounded(fds[1], reinterpret_cast<const std::uint8_t*>("z"), 1, 0, false), 1) << "one byte";
    ASSERT_EQ(::write(fds[1], "ab", 2), 2);
    EXPECT_EQ(ReadWithin(fds[0], buffer, 1, 0), 1) << "a read of one byte";
    EXPECT_EQ(buffer[0], 'z');
    EXPECT_EQ(ReadNow(fds[0], buffer, 8), 2);
    EXPECT_EQ(ReadNow(fds[0], buffer, 8), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadWithin(fds[0], buffer, 8, 30), 0) << "nothing came in time";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(29));
    EXPECT_EQ(ReadNow(fds[1], buffer, 8), -1) << "the write end cannot be read";
    ::close(fds[1]);
    EXPECT_EQ(ReadNow(fds[0], buffer, 8), kEndOfStream);
    EXPECT_EQ(ReadWithin(fds[0], buffer, 8, 0), 0) << "the end reads as nothing";
    ::close(fds[0]);
}

// A full line takes what it has room for; room made within the stall bound is used, none made ends the write.
TEST(WriteBounded, WaitsForRoomOnlyUntilTheStallBound) {
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_NONBLOCK), 0);
    const int room = ::fcntl(fds[1], F_GETPIPE_SZ);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(room) + 10, 'x');
    EXPECT_EQ(WriteBounded(fds[1], bytes.data(), room + 10, 20, false), room);
    std::thread reader([&] {
        std::vector<std::uint8_t> drained(bytes.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(::read(fds[0], drained.data(), drained.size()), room);
    });
    EXPECT_EQ(WriteBounded(fds[1], bytes.data(), 10, 60'000, false), 10);
    reader.join();
    ::close(fds[0]);
    ::close(fds[1]);
}

}  // namespace
}  // namespace pelmora::link
