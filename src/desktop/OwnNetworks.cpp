#include "desktop/OwnNetworks.h"

#include <algorithm>
#include <bit>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace pelmora::desktop {

namespace {

constexpr int kWidestSlice = 24;

std::string Dotted(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string(address >> 16 & 0xFF) + "." +
           std::to_string(address >> 8 & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::uint32_t HostOrder(const sockaddr* address) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

}  // namespace

std::string NetworkSlice(std::uint32_t address, int prefixLength) {
    if (prefixLength < 0 || prefixLength >= 32) return {};
    const int prefix = std::max(prefixLength, kWidestSlice);
    const std::uint32_t network = address & ~(0xFFFFFFFFu >> prefix);
    return Dotted(network) + "/" + std::to_string(prefix);
}

std::vector<std::string> OwnNetworkTargets() {
    std::vector<std::string> targets;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return targets;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || !i->ifa_netmask || i->ifa_addr->sa_family != AF_INET) continue;
        if (!(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
        const std::string slice = NetworkSlice(HostOrder(i->ifa_addr), std::popcount(HostOrder(i->ifa_netmask)));
        if (!slice.empty() && std::find(targets.begin(), targets.end(), slice) == targets.end())
            targets.push_back(slice);
    }
    ::freeifaddrs(list);
    return targets;
}

}  // namespace pelmora::desktop
