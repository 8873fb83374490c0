#include "cli/WaitNotice.h"

#include <chrono>
#include <iostream>
#include <unistd.h>

namespace pelmora::cli {

namespace {

constexpr auto kFirstAfter = std::chrono::seconds(1);

void WriteAll(const std::string& text) {
    // Straight to the descriptor: the command's own stream is not touched from this thread.
    for (std::size_t at = 0; at < text.size();) {
        const ssize_t put = ::write(STDERR_FILENO, text.data() + at, text.size() - at);
        if (put <= 0) return;
        at += static_cast<std::size_t>(put);
    }
}

}  // namespace

WaitNotice::WaitNotice(const CliContext& ctx, std::string what) : what_(std::move(what)) {
    if (&ctx.err != &std::cerr || ctx.oneOfSeveral || ::isatty(STDERR_FILENO) != 1) return;
    std::cerr.flush();
    thread_ = std::thread([this] { Draw(); });
}

WaitNotice::~WaitNotice() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    ended_.notify_one();
    thread_.join();
}

void WaitNotice::Draw() {
    const auto start = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> lock(mutex_);
    bool drawn = false;
    for (auto next = start + kFirstAfter; !ended_.wait_until(lock, next, [this] { return done_; });
         next += std::chrono::seconds(1)) {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(next - start).count();
        WriteAll("\r" + what_ + "... " + std::to_string(seconds) + " s\x1b[K");
        drawn = true;
    }
    if (drawn) WriteAll("\r\x1b[K");
}

}  // namespace pelmora::cli
