#pragma once
#include <cstdint>
#include <optional>
#include <string>

/// What the windows accept as a TCP/IP address and port before the link gets them.
namespace pelmora::context {

/// Four decimal numbers 0..255 joined by dots, nothing else.
bool IsDottedIpv4(const std::string& text);
/// A decimal number 1..65535.
std::optional<std::uint16_t> ParseTcpPort(const std::string& text);

}  // namespace pelmora::context
