#pragma once
#include <cstdint>
#include <optional>
#include <string>

/// The one reading of a TCP/IP address and port, for the command line, the
/// windows and the simulator, before the link or a socket gets them.
namespace pelmora::context {

/// Four decimal numbers 0..255 joined by dots, nothing else.
bool IsDottedIpv4(const std::string& text);
/// Decimal digits only, `lowest`..65535 (0 asks a listener for a free port).
std::optional<std::uint16_t> ParseTcpPort(const std::string& text, std::uint16_t lowest = 1);

struct TcpAddress {
    enum Problem { None, BadAddress, BadPort } problem = None;
    std::string host;  ///< dotted IPv4
    std::uint16_t port = 0;
};
/// An address box and a port box, by the two rules above (ports from 1).
TcpAddress CheckTcpAddress(const std::string& host, const std::string& port);
/// "ADDR:PORT" by the two rules above. Without a colon the text is the
/// address alone and takes `portIfNone`; a bad port when there is none.
TcpAddress ParseTcpAddress(const std::string& text, std::uint16_t lowestPort,
                           std::optional<std::uint16_t> portIfNone = std::nullopt);

}  // namespace pelmora::context
