#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::sim {

/// What the tool sent next in a recorded connection, and what the printer
/// answered before the tool sent anything more.
struct ReplayStep {
    std::vector<std::uint8_t> expect;
    std::vector<std::uint8_t> reply;
    /// The reply came this late after the last write, time-outs between; 0 when it came at once.
    std::uint32_t replyDelayMs = 0;
};

/// One recorded connection, from its open to its close.
struct ReplayConnection {
    std::string channel;  ///< "tcp", "serial" or "usb", as recorded
    std::string port;
    std::vector<ReplayStep> steps;
};

/// The printer's side of a transcript.
struct ReplayScript {
    std::string tool;  ///< the header's tool, version and command line, for the log
    std::vector<ReplayConnection> connections;
};

/// Longest wait a replay keeps before a late reply, however long the recording waited.
inline constexpr std::uint32_t kMaxReplyDelayMs = 60000;

/// Reads a transcript, keeping the events of `link` (0: the only link it
/// holds). Nothing, with `error` naming the line, for a line that is no
/// event, for events of several links without a choice, or for no connection.
std::optional<ReplayScript> ReadReplayScript(std::istream& in, std::uint32_t link, std::string& error);

}  // namespace pelmora::sim
