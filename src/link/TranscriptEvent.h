#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::link {

/// One thing that happened on a link, as a support transcript keeps it.
struct TranscriptEvent {
    enum class Kind {
        Open,        ///< a channel opened (`channel`, `port`)
        OpenFailed,  ///< an open that gave no channel
        Close,
        Write,       ///< `bytes` offered; `result` is what the channel took
        Read,        ///< `bytes` received
        Timeout,     ///< a read that returned nothing in time
        ReadError,   ///< a read that failed (`result` -1)
    };

    std::uint32_t link = 1;  ///< which printer's link, when several run at once
    std::uint64_t timeMs = 0;  ///< since the link's recording started, on its clock
    Kind kind = Kind::Open;
    std::string channel;  ///< "serial", "usb" or "tcp" (open events)
    std::string port;     ///< the port text or "ADDRESS:PORT" (open events)
    std::vector<std::uint8_t> bytes;
    int result = 0;
};

/// One JSON object, without the newline.
std::string TranscriptLine(const TranscriptEvent& event);

/// Reads a line that TranscriptLine wrote. Nothing, with `error` set, for a
/// line that is no such event; `isHeader` is set instead for the first line's
/// header object, which is no event.
std::optional<TranscriptEvent> ParseTranscriptLine(std::string_view line, bool& isHeader, std::string& error);

/// The first line: what wrote the transcript and with which command line.
std::string TranscriptHeaderLine(std::string_view tool, std::string_view version,
                                 const std::vector<std::string>& commandLine);

}  // namespace pelmora::link
