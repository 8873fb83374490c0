#pragma once
#include <cstdint>

namespace pelmora::link { class PrinterLink; }

namespace pelmora::context {

/// After a query was sent more than once and one answer came, the answers to
/// the other sends may still be on their way; read as the next question's
/// answer they would give it the wrong value. An answer that took `tookMs`
/// since the first send means each later send is answered within about as
/// long, so this reads and drops what arrives until the line has been quiet
/// for `tookMs` (at least kMinQuietMs, at most kMaxQuietMs) or a stop is
/// requested. Returns the bytes dropped.
int DropLateReplies(link::PrinterLink& link, std::uint32_t tookMs);

constexpr std::uint32_t kMinQuietMs = 2000;
constexpr std::uint32_t kMaxQuietMs = 30000;
constexpr int kMaxLateBytes = 4096;

}  // namespace pelmora::context
