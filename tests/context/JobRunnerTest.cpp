// DriveJob: the phase chain on the clock, and the operator's cancel between phases.
#include <gtest/gtest.h>

#include "context/JobRunner.h"

namespace pelmora::context {
namespace {

// Three phases, 10, 20 and 30 ms apart.
class ThreePhases final : public JobRunner {
public:
    std::optional<NextPhase> Open() override { return NextPhase{1, 10}; }
    std::optional<NextPhase> RunPhase(int phase) override {
        ran.push_back(phase);
        if (phase < 3) return NextPhase{phase + 1, static_cast<std::uint32_t>(10 * (phase + 1))};
        end = JobEnd::Ok;
        return std::nullopt;
    }
    void Cancel() override { end = JobEnd::Cancel; }
    JobEnd End() const override { return end; }
    const std::string& Message() const override { return message; }

    std::vector<int> ran;
    JobEnd end = JobEnd::Running;
    std::string message;
};

TEST(DriveJob, RunsEveryPhaseAfterItsDelayUntilCancelled) {
    const struct { int cancelFromCheck; JobEnd end; std::vector<int> ran; std::uint64_t ms; } cases[] = {
        {0, JobEnd::Ok, {1, 2, 3}, 60},          // no cancel check at all
        {99, JobEnd::Ok, {1, 2, 3}, 60},         // checked, never cancelled
        {2, JobEnd::Cancel, {1}, 30},            // cancelled after the second delay
    };
    for (const auto& c : cases) {
        ThreePhases runner;
        link::VirtualClock clock;
        int checks = 0;
        const std::function<bool()> cancelled = [&] { return ++checks >= c.cancelFromCheck; };
        EXPECT_EQ(DriveJob(runner, clock, c.cancelFromCheck ? cancelled : nullptr), c.end) << c.cancelFromCheck;
        EXPECT_EQ(std::tuple(runner.ran, clock.Now()), std::tie(c.ran, c.ms)) << c.cancelFromCheck;
    }
}

}  // namespace
}  // namespace pelmora::context
