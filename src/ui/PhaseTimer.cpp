#include "ui/PhaseTimer.h"

#include "link/Clock.h"

namespace pelmora::ui {

QtPhaseTimer::QtPhaseTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The handler may arm the next shot, which replaces fire_.
        auto fire = std::move(fire_);
        if (fire) fire();
    });
}

void QtPhaseTimer::Arm(std::uint32_t delayMs, std::function<void()> fire) {
    fire_ = std::move(fire);
    timer_.start(static_cast<int>(delayMs));
}

void VirtualPhaseTimer::Arm(std::uint32_t delayMs, std::function<void()> fire) {
    clock_.Sleep(delayMs);
    const unsigned armed = ++generation_;
    QTimer::singleShot(0, &guard_, [this, armed, fire = std::move(fire)] {
        if (armed == generation_) fire();
    });
}

}  // namespace pelmora::ui
