#include "vmsm/ReplyCollectors.h"

#include <algorithm>

#include "context/LateReplies.h"
#include "link/PrinterLink.h"

namespace pelmora::vmsm {

namespace {

constexpr std::uint32_t kReadPauseMs = 10;
constexpr int kSilentReadsBeforeResend = 2;
constexpr int kMaxResends = 10;
constexpr int kSingleShotAttempts = 10;
constexpr int kTimedReadSize = 255;
constexpr int kSingleShotReadSize = 100;

// One read into a cleared buffer; the bytes it delivered (none on time-out or error).
std::vector<std::uint8_t> ReadOnce(link::PrinterLink& link, int capacity) {
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::max(capacity, 0)), 0);
    const int count = link.ReadPort(buffer.data(), capacity);
    buffer.resize(count > 0 ? std::min(static_cast<std::size_t>(count), buffer.size()) : 0);
    return buffer;
}

bool Resend(link::PrinterLink& link, std::span<const std::uint8_t> request) {
    return link.WritePort(request) == static_cast<int>(request.size());
}

}  // namespace

Collection CollectCount(link::PrinterLink& link, const CountCollector& c) {
    Collection out;
    link::Clock& clock = link.clock();
    const std::uint32_t start = clock.TickCount();
    for (;;) {
        const auto read = ReadOnce(link, c.capacity);
        out.bytes.insert(out.bytes.end(), read.begin(), read.end());
        clock.Sleep(kReadPauseMs);
        if (out.bytes.size() >= c.expected) break;
        if (clock.TickCount() - start > c.limitMs || link.stopRequest().Requested()) break;
    }
    out.complete = out.bytes.size() == c.expected;
    return out;
}

Collection CollectWithResend(link::PrinterLink& link, std::span<const std::uint8_t> request, const ResendCollector& c) {
    Collection out;
    const std::uint32_t start = link.clock().TickCount();
    int silent = 0;
    int resends = 0;
    for (;;) {
        const auto read = ReadOnce(link, c.capacity);
        const bool counts = !read.empty() && (c.onSilence != OnSilence::WholeReadOnly || read.back() == 0);
        if (counts) {
            if (c.onSilence == OnSilence::WholeReadOnly) {
                out.bytes = read;
                out.complete = true;
                if (resends > 0) context::DropLateReplies(link, link.clock().TickCount() - start);
                return out;
            }
            for (std::uint8_t byte : read) {
                out.bytes.push_back(byte);
                const bool ended = byte == 0 && out.bytes.size() > c.terminatorFrom;
                if (ended || out.bytes.size() >= c.maxLength) {
                    out.complete = true;
                    if (resends > 0) context::DropLateReplies(link, link.clock().TickCount() - start);
                    return out;
                }
            }
            continue;
        }
        if (link.stopRequest().Requested()) return out;
        ++silent;
        if (c.onSilence == OnSilence::Discard) out.bytes.clear();
        if (silent > kSilentReadsBeforeResend) {
            out.bytes.clear();
            if (!Resend(link, request)) {
                out.writeFailed = true;
                return out;
            }
            if (++resends == kMaxResends) return out;
        }
    }
}

Collection CollectUntilNul(link::PrinterLink& link, std::uint32_t sentAt, const TimedCollector& c) {
    Collection out;
    link::Clock& clock = link.clock();
    for (;;) {
        const auto read = ReadOnce(link, kTimedReadSize);
        // Keep at most one byte past the bound, so that "too long" stays visible.
        const std::size_t room = c.stopAbove + 1 - std::min(out.bytes.size(), c.stopAbove + 1);
        const auto kept = read.begin() + static_cast<std::ptrdiff_t>(std::min(room, read.size()));
        out.bytes.insert(out.bytes.end(), read.begin(), kept);
        clock.Sleep(kReadPauseMs);
        if (std::find(read.begin(), kept, 0) != kept) {
            out.complete = true;
            break;
        }
        if (out.bytes.size() > c.stopAbove) break;
        if (clock.TickCount() - sentAt >= c.limitMs || link.stopRequest().Requested()) break;
    }
    return out;
}

Collection CollectSingleShot(link::PrinterLink& link, std::span<const std::uint8_t> request) {
    Collection out;
    const std::uint32_t start = link.clock().TickCount();
    for (int attempt = 1; attempt <= kSingleShotAttempts; ++attempt) {
        auto read = ReadOnce(link, kSingleShotReadSize);
        if (read.size() == 3 && read[2] == 0) {
            out.bytes = std::move(read);
            out.complete = true;
            if (attempt > 1) context::DropLateReplies(link, link.clock().TickCount() - start);
            return out;
        }
        if (attempt == kSingleShotAttempts || link.stopRequest().Requested()) break;
        if (!Resend(link, request)) {
            out.writeFailed = true;
            break;
        }
    }
    return out;
}

}  // namespace pelmora::vmsm
