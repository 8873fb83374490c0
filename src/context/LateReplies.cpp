#include "context/LateReplies.h"

#include <algorithm>
#include <array>

#include "link/PrinterLink.h"

namespace pelmora::context {

namespace {
constexpr int kDrainReadSize = 100;
}  // namespace

int DropLateReplies(link::PrinterLink& link, std::uint32_t tookMs) {
    const std::uint32_t quietMs = std::clamp(tookMs, kMinQuietMs, kMaxQuietMs);
    std::array<std::uint8_t, kDrainReadSize> buffer{};
    link::Clock& clock = link.clock();
    std::uint32_t lastHeard = clock.TickCount();
    int dropped = 0;
    // Every read takes time (a read time-out, the link's pause), so the loop ends.
    while (link.IsOpen() && !link.stopRequest().Requested() && clock.TickCount() - lastHeard < quietMs) {
        const int count = link.ReadPort(buffer.data(), kDrainReadSize);
        if (count > 0) {
            dropped += count;
            lastHeard = clock.TickCount();
        }
        if (dropped > kMaxLateBytes) break;  // not late answers: a stream that never ends
    }
    if (dropped) link::Tracef(link.platform().trace(), "dropped %d late reply bytes", dropped);
    return dropped;
}

}  // namespace pelmora::context
