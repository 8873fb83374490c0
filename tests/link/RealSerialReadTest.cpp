#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
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
        for (int i = 0; i < count; ++i) bytes_.push_back({at, static_cast<std::uint8_t>(bytes_.size())});
    }
    void FailFrom(std::uint64_t at) { failAt_ = at; }

    bool WaitReadable(std::uint32_t ms) override {
        const std::uint64_t until = clock_.Now() + ms;
        if (next_ < bytes_.size() && bytes_[next_].at <= until) {
            clock_.AdvanceTo(bytes_[next_].at);
            return true;
        }
        clock_.AdvanceTo(std::min(until, failAt_));
        return clock_.Now() >= failAt_;
    }
    int ReadAvailable(std::uint8_t* buffer, int capacity) override {
        int taken = 0;
        while (taken < capacity && next_ < bytes_.size() && bytes_[next_].at <= clock_.Now())
            buffer[taken++] = bytes_[next_++].value;
        if (taken == 0 && clock_.Now() >= failAt_) return -1;
        return taken;
    }

private:
    struct Byte {
        std::uint64_t at;
        std::uint8_t value;
    };
    VirtualClock& clock_;
    std::vector<Byte> bytes_;
    std::size_t next_ = 0;
    std::uint64_t failAt_ = UINT64_MAX;
};

constexpr SerialTimeouts kWorking{10, 10, 1000, 1000, 1000};
constexpr SerialTimeouts kOpening{2000, 1000, 10, 1000, 1000};

struct ReadCase {
    const char* name;
    SerialTimeouts timeouts;
    int capacity;
    std::vector<std::pair<std::uint64_t, int>> arrivals;  // (time, bytes)
    int expectedCount;
    std::uint64_t expectedEnd;
};

class SerialReadLoop : public testing::TestWithParam<ReadCase> {};

TEST_P(SerialReadLoop, ReturnsWhenTheTimeOutRuleSays) {
    const ReadCase& c = GetParam();
    VirtualClock clock;
    clock.AdvanceTo(5000);
    ScheduledSource source(clock);
    for (const auto& [at, count] : c.arrivals) source.Arrive(5000 + at, count);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(c.capacity));
    EXPECT_EQ(ReadWithTimeouts(source, clock, c.timeouts, buffer.data(), c.capacity), c.expectedCount);
    EXPECT_EQ(clock.Now() - 5000, c.expectedEnd);
}

std::vector<std::pair<std::uint64_t, int>> Trickle(std::uint64_t every, int count) {
    std::vector<std::pair<std::uint64_t, int>> arrivals;
    for (int i = 0; i < count; ++i) arrivals.push_back({every * static_cast<std::uint64_t>(i), 1});
    return arrivals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialReadLoop,
    testing::Values(
        ReadCase{"Silent100Bytes", kWorking, 100, {}, 0, 2000},
        ReadCase{"Silent255Bytes", kWorking, 255, {}, 0, 3550},
        ReadCase{"SilentProbeReadWhileOpening", kOpening, 1, {}, 0, 1010},
        ReadCase{"BurstOf25EndsTenMsAfterItsLastByte", kWorking, 100, {{300, 10}, {301, 10}, {302, 5}}, 25, 312},
        ReadCase{"GapLongerThanTheIntervalEndsTheRead", kWorking, 100, {{300, 5}, {320, 5}}, 5, 310},
        ReadCase{"GapOfExactlyTheIntervalDoesNotEndTheRead", kWorking, 100, {{300, 5}, {310, 5}}, 10, 320},
        ReadCase{"AllWantedBytesEndTheReadAtOnce", kWorking, 3, {{40, 3}, {41, 3}}, 3, 40},
        ReadCase{"TrickleIsCutByTheTotalBound", SerialTimeouts{10, 1, 100, 0, 0}, 255, Trickle(9, 100), 40, 355},
        ReadCase{"NoTimeOutsReturnWhatIsThere", SerialTimeouts{}, 10, {{0, 4}}, 4, 0}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST(SerialReadLoopData, BytesAfterAnIntervalGapWaitForTheNextRead) {
    VirtualClock clock;
    ScheduledSource source(clock);
    source.Arrive(100, 5);
    source.Arrive(200, 7);
    std::uint8_t buffer[100] = {};
    ASSERT_EQ(ReadWithTimeouts(source, clock, kWorking, buffer, 100), 5);
    ASSERT_EQ(ReadWithTimeouts(source, clock, kWorking, buffer, 100), 7);
    EXPECT_EQ(buffer[0], 5);  // the sixth byte, nothing lost between the reads
    EXPECT_EQ(buffer[6], 11);
}

TEST(SerialReadLoopData, TickCounterWrapDoesNotEndTheReadEarly) {
    VirtualClock clock;
    clock.AdvanceTo(0xFFFFFFFFull - 500);
    ScheduledSource source(clock);
    std::uint8_t buffer[100];
    const std::uint64_t start = clock.Now();
    EXPECT_EQ(ReadWithTimeouts(source, clock, kWorking, buffer, 100), 0);
    EXPECT_EQ(clock.Now() - start, 2000u);
}

TEST(SerialReadLoopData, FailureBeforeTheFirstByteIsAnErrorAndAfterItTheCount) {
    for (const bool bytesFirst : {false, true}) {
        VirtualClock clock;
        ScheduledSource source(clock);
        if (bytesFirst) source.Arrive(50, 4);
        source.FailFrom(55);
        std::uint8_t buffer[100];
        EXPECT_EQ(ReadWithTimeouts(source, clock, kWorking, buffer, 100), bytesFirst ? 4 : -1) << bytesFirst;
        EXPECT_LT(clock.Now(), 2000u) << "a failed port must not be waited on until the total bound";
    }
}

// The real source on a pseudo-terminal: libserialport will not open one (it wants
// a /sys/class/tty entry), but the descriptor polling beneath the port is the same.
class PtyPair {
public:
    PtyPair() {
        termios raw{};
        cfmakeraw(&raw);
        if (::openpty(&master_, &slave_, nullptr, &raw, nullptr) != 0) return;
        ::fcntl(slave_, F_SETFL, ::fcntl(slave_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() {
        CloseMaster();
        if (slave_ >= 0) ::close(slave_);
    }
    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    int slave() const { return slave_; }
    void Send(const std::string& text) { ASSERT_EQ(::write(master_, text.data(), text.size()), ssize_t(text.size())); }
    void CloseMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    int slave_ = -1;
};

TEST(SerialReadLoopOnPty, ReadsWhatArrivedAndTimesOutOnSilence) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    SystemClock clock;
    FdByteSource source(pty.slave());
    std::uint8_t buffer[100] = {};

    pty.Send("\x1d\x49\x43");
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{10, 0, 500, 0, 0}, buffer, 100), 3);
    EXPECT_EQ(buffer[1], 0x49);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{10, 0, 30, 0, 0}, buffer, 100), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(29));
}

TEST(SerialReadLoopOnPty, VanishedPortIsAnErrorNotASilence) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    SystemClock clock;
    FdByteSource source(pty.slave());
    pty.CloseMaster();
    std::uint8_t buffer[10];
    EXPECT_EQ(ReadWithTimeouts(source, clock, SerialTimeouts{10, 10, 5000, 0, 0}, buffer, 10), -1);
}

}  // namespace
}  // namespace pelmora::link
