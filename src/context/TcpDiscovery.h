#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "context/Identification.h"
#include "context/ScanTargets.h"
#include "link/Platform.h"

namespace pelmora::context {

struct TcpDiscoveryOptions {
    int jobs = 256;                  ///< addresses tried at once
    std::uint32_t connectMs = 1000;  ///< an address that has not accepted by then is taken as empty
    /// Something that accepts but has not identified by then is given up:
    /// a silent listener must not hold a job for the link's whole resend loop.
    std::uint32_t identifyMs = 4000;
};

/// An address that accepted a connection, and what identification said.
struct TcpAnswer {
    std::uint64_t order = 0;  ///< position among the targets' addresses, for a stable listing
    std::string address;      ///< numeric
    std::uint16_t port = 0;
    std::string hostName;     ///< when the target was a name
    Identification id;
};

struct TcpDiscoveryProgress {
    std::uint64_t tried = 0, total = 0, found = 0;
};

struct TcpDiscoveryResult {
    std::vector<TcpAnswer> answers;  ///< in target order, each address:port once
    std::uint64_t tried = 0;
    bool stopped = false;            ///< ended by `stopWanted` before every address was tried
};

/// Tries every address of `targets`, `options.jobs` at once, and identifies
/// what accepts, as `identify` does. Runs on the calling thread, which also
/// asks `stopWanted` and reports `progress` every few tens of milliseconds;
/// a stop ends every connect and identification under way.
TcpDiscoveryResult DiscoverOnTcp(link::Platform& platform, const ScanTargets& targets,
                                 const TcpDiscoveryOptions& options, const std::function<bool()>& stopWanted,
                                 const std::function<void(const TcpDiscoveryProgress&)>& progress);

}  // namespace pelmora::context
