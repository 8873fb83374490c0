#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

/// What a search for network printers covers: addresses, ranges, CIDR blocks
/// and host names, IPv4 and IPv6, read before anything is sent.
namespace pelmora::context {

/// A block of more addresses than this (a /16) is only searched when asked to.
constexpr std::uint64_t kUnforcedScanAddresses = 65536;
/// No block is larger (a /8), even when asked.
constexpr std::uint64_t kMaxScanAddresses = 1u << 24;

/// Consecutive addresses, all on one port.
struct ScanBlock {
    std::string target;  ///< as typed
    bool ipv6 = false;
    std::array<std::uint8_t, 16> first{};  ///< network order; IPv4 in the first four bytes
    std::uint64_t count = 1;
    std::uint16_t port = 0;
    std::string hostName;  ///< the name typed, when the target was one
};

struct ScanTargets {
    std::vector<ScanBlock> blocks;
    std::uint64_t total = 0;  ///< addresses of all blocks
    std::string error;        ///< why the targets were refused; nothing is searched then
};

/// Numeric addresses for a host name, or none with `error` set.
using HostLookup = std::function<std::vector<std::string>(const std::string& name, std::string& error)>;

/// Reads targets: "10.0.0.5", "10.0.0.5:9101", "192.168.1.10-60",
/// "192.168.1.10-192.168.2.5", "10.4.0.0/22", "fe80::1", "[fe80::1]:9100",
/// "2001:db8::/120", "printer.example". `port` for those without one. A
/// CIDR block of IPv4 leaves out its network and broadcast address. A block
/// over kUnforcedScanAddresses needs `force`.
ScanTargets ParseScanTargets(const std::vector<std::string>& texts, std::uint16_t port, bool force,
                             const HostLookup& lookUp);

/// The numeric text of the block's `index`th address.
std::string ScanAddressAt(const ScanBlock& block, std::uint64_t index);

}  // namespace pelmora::context
