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

/// An IPv6 address as text, without brackets ("::1", "fd00::21").
bool IsIpv6(const std::string& text);
/// A DNS host name, by the link's rule (link::IsHostNameSyntax).
bool IsHostName(const std::string& text);

/// A printer's address as the command line, printers files and Ansible type
/// it: "HOST", "HOST:PORT", "[IPV6]", "[IPV6]:PORT" or a bare IPV6, HOST a
/// name or dotted IPv4. Without a port it takes `portIfNone`. `host` is kept
/// without brackets; the link resolves it and tries every address in turn.
TcpAddress ParsePrinterAddress(const std::string& text, std::uint16_t portIfNone);
/// "host:port", or "[v6]:port" for an IPv6 address: how a printer is named
/// back to the operator, and what ParsePrinterAddress reads again.
std::string PrinterAddressText(const std::string& host, std::uint16_t port);

}  // namespace pelmora::context
