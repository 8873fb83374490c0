#pragma once
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "cli/CliContext.h"

namespace pelmora::cli {

/// No silent waits on a terminal: once a wait has lasted a second,
/// "`what`... N s" is drawn on stderr and redrawn each second, and the line is
/// cleared when the wait ends. Nothing is drawn when stderr is no terminal,
/// when the context writes elsewhere, or for one of several printers. The
/// ticks are the terminal's, not the jobs': nothing waits on them.
class WaitNotice {
public:
    WaitNotice(const CliContext& ctx, std::string what);
    ~WaitNotice();
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

private:
    void Draw();

    std::string what_;
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace pelmora::cli
