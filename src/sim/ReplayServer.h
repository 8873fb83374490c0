#pragma once
#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "link/CommSettings.h"

namespace pelmora::sim {

struct ReplayOptions {
    std::string transcript;    ///< the file to play
    std::uint32_t link = 0;    ///< which link of it; 0 for the only one
    std::string host = "127.0.0.1";
    std::uint16_t port = link::kPrinterTcpPort;  ///< 0 for a free one
};

/// `pelmora-sim --replay`: plays the printer's side of a transcript, one
/// recorded connection per client, in order. Prints "listening on ADDR:PORT"
/// on `out` first; on `err` a line per connection and the first difference.
/// Returns 0 when the tool sent every recorded byte and nothing else, 1 on a
/// difference or when stopped early, 2 for an unreadable transcript.
int RunReplay(const ReplayOptions& options, const std::atomic<bool>& stop, std::ostream& out, std::ostream& err);

}  // namespace pelmora::sim
