#pragma once
#include <deque>
#include <functional>
#include <mutex>

#include <QObject>

namespace pelmora::ui {

/// Calls handed from any thread to run on the thread this object lives on
/// (the UI thread), in the order they were posted. The hand-over is a plain
/// mutex, so a thread checker sees every call's captures change hands.
/// Calls still queued when the object goes are dropped.
class UiThreadQueue final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    /// Thread-safe.
    void Post(std::function<void()> call);
    /// Drops the calls still queued; on the UI thread.
    void Discard();

private:
    Q_INVOKABLE void Drain();

    std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
};

}  // namespace pelmora::ui
