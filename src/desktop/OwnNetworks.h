#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora::desktop {

/// The block of an interface's network the window offers to search, as a
/// CIDR target: the network itself, or the /24 around `address` when the
/// network is larger, so the search a click starts stays short. Empty for a
/// /32, which holds this machine alone. `address` in host byte order.
std::string NetworkSlice(std::uint32_t address, int prefixLength);

/// NetworkSlice of every IPv4 address of this machine's interfaces that are
/// up, loopback left out, each block once, in the system's order.
std::vector<std::string> OwnNetworkTargets();

}  // namespace pelmora::desktop
