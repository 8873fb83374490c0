// The four reply collectors over a link whose reads the input scripts: each
// ends within its time and keeps no more than it may.
#include <array>

#include "HostilePrinter.h"
#include "context/PrinterContext.h"
#include "vmsm/ReplyCollectors.h"

using namespace pelmora;
using namespace pelmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    const std::uint8_t limit = in.Byte();
    sim::PrinterModel printer;
    HostilePlatform platform(printer, in);
    context::PrinterContext util(platform);
    util.HandOver(SettingsFor(link::PortTcp));
    util.link().OpenPort();

    constexpr std::array<std::uint8_t, 3> kRequest = {0x1D, 0x49, 0x43};
    const std::uint64_t readMs = kStreamSilenceMs + 10;
    const std::uint64_t inputMs = size * readMs;
    const std::size_t length = limit % 64 + 1;
    vmsm::Collection c;
    std::uint64_t bound = 0;
    switch (setup % 4) {
    case 0:
        c = vmsm::CollectCount(util.link(), {.capacity = 100, .expected = length, .limitMs = 2000});
        bound = 2000 + readMs;
        break;
    case 1: {
        const auto onSilence = static_cast<vmsm::OnSilence>((setup >> 2) % 3);
        const vmsm::ResendCollector rule{.capacity = 100, .maxLength = length, .terminatorFrom = (setup >> 4) % 4u,
                                         .onSilence = onSilence};
        c = vmsm::CollectWithResend(util.link(), kRequest, rule);
        if (onSilence != vmsm::OnSilence::WholeReadOnly)
            Check(c.bytes.size() <= length, "the collector kept more than its length");
        if (c.complete && onSilence != vmsm::OnSilence::WholeReadOnly)
            Check(c.bytes.size() == length || c.bytes.back() == 0, "complete without its end");
        bound = 12 * readMs;
        break;
    }
    case 2:
        c = vmsm::CollectUntilNul(util.link(), util.clock().TickCount(), {.stopAbove = length, .limitMs = 2000});
        Check(c.bytes.size() <= length + 1, "the timed collector kept more than one byte past its bound");
        bound = 2000 + readMs;
        break;
    default:
        c = vmsm::CollectSingleShot(util.link(), kRequest);
        if (c.complete) Check(c.bytes.size() == 3 && c.bytes[2] == 0, "a single shot that is not 3 bytes");
        bound = 10 * readMs;
        break;
    }
    Check(platform.Now() <= bound + inputMs, "a collector outlasted its bound");
    return 0;
}
