#include "ui/UiThreadQueue.h"

namespace pelmora::ui {

void UiThreadQueue::Post(std::function<void()> call) {
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        wake = calls_.empty();
        calls_.push_back(std::move(call));
    }
    // One wake-up per batch; by name, so no functor crosses threads unseen.
    if (wake) QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
}

void UiThreadQueue::Discard() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

void UiThreadQueue::Drain() {
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard lock(mutex_);
            if (calls_.empty()) return;
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
}

}  // namespace pelmora::ui
