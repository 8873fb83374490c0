#pragma once
#include <cstdint>
#include <functional>

#include <QTimer>

namespace pelmora::link { class VirtualClock; }

namespace pelmora::ui {

/// The one-shot timer that starts a job's next phase. Armed and fired on the
/// UI thread; at most one shot is pending.
class PhaseTimer {
public:
    virtual ~PhaseTimer() = default;
    virtual void Arm(std::uint32_t delayMs, std::function<void()> fire) = 0;
    virtual void Stop() = 0;
};

/// Real time: a single-shot QTimer.
class QtPhaseTimer final : public PhaseTimer {
public:
    QtPhaseTimer();
    void Arm(std::uint32_t delayMs, std::function<void()> fire) override;
    void Stop() override { timer_.stop(); }

private:
    QTimer timer_;
    std::function<void()> fire_;
};

/// Virtual time: moves the clock on by the delay and fires on the next turn
/// of the event loop, so a job on the simulated printer takes no real time.
class VirtualPhaseTimer final : public PhaseTimer {
public:
    explicit VirtualPhaseTimer(link::VirtualClock& clock) : clock_(clock) {}
    void Arm(std::uint32_t delayMs, std::function<void()> fire) override;
    void Stop() override { ++generation_; }

private:
    link::VirtualClock& clock_;
    QObject guard_;  ///< shots die with the timer
    unsigned generation_ = 0;
};

}  // namespace pelmora::ui
