#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pelmora::link { class PrinterLink; }

/// The four ways the memory-switch commands collect a reply. Each reads only
/// through the link and measures time on the link's clock; none closes the
/// link or judges the reply: the command does both.
namespace pelmora::vmsm {

/// What came back, and whether a resend could not be written.
struct Collection {
    std::vector<std::uint8_t> bytes;
    bool complete = false;     ///< the collector's own end condition was met
    bool writeFailed = false;  ///< a resend was not taken completely
};

/// Reads until `expected` bytes are in or `limitMs` has passed since
/// collection began, pausing 10 ms after every read. No resend.
struct CountCollector {
    int capacity = 0;
    std::size_t expected = 0;
    std::uint32_t limitMs = 2000;
};
Collection CollectCount(link::PrinterLink& link, const CountCollector& collector);

/// What a silent read does to the bytes gathered so far.
enum class OnSilence {
    Keep,           ///< kept until a resend
    Discard,        ///< dropped at every silent read (switch replies)
    WholeReadOnly,  ///< only a read ending in 00 counts; any other is silent (Bluetooth)
};

/// Reads until a 00 (at or after `terminatorFrom`) or `maxLength` bytes are
/// gathered. From the third silent read on, every silent read sends `request`
/// again and drops what was gathered; it gives up after 10 resends.
struct ResendCollector {
    int capacity = 0;
    std::size_t maxLength = 0;
    std::size_t terminatorFrom = 0;
    OnSilence onSilence = OnSilence::Keep;
};
Collection CollectWithResend(link::PrinterLink& link, std::span<const std::uint8_t> request,
                             const ResendCollector& collector);

/// Reads 255 bytes at a time, pausing 10 ms after each, until a 00 arrives,
/// more than `stopAbove` bytes are in, or `limitMs` has passed since `sentAt`.
struct TimedCollector {
    std::size_t stopAbove = 1024;
    std::uint32_t limitMs = 2000;
};
Collection CollectUntilNul(link::PrinterLink& link, std::uint32_t sentAt, const TimedCollector& collector);

/// Accepts only a read of exactly three bytes ending in 00; otherwise sends
/// `request` again, for at most 10 reads.
Collection CollectSingleShot(link::PrinterLink& link, std::span<const std::uint8_t> request);

}  // namespace pelmora::vmsm
