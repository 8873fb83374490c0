#pragma once
#include <functional>
#include <thread>

namespace pelmora::ui {

/// Runs one task at a time off the UI thread. The owner starts a task only
/// after the previous one reported back; the thread is joined before the next
/// task and on destruction, so the owner never outlives a running task.
class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread() { Join(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void Run(std::function<void()> task) {
        Join();
        thread_ = std::thread(std::move(task));
    }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};

}  // namespace pelmora::ui
