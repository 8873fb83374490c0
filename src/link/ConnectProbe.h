#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "link/StopRequest.h"

namespace pelmora::link {

/// How one connection attempt to an address ended.
struct ProbeOutcome {
    enum Kind { Accepted, Refused, TimedOut, Failed, Stopped, BadAddress } kind = Failed;
    std::string error;  ///< the system's text for Failed
};

/// One non-blocking TCP connect to a numeric IPv4 or IPv6 address, closed
/// again at once: it learns whether something listens, and sends nothing.
/// Waits at most `timeoutMs`, and less when `stop` is requested.
ProbeOutcome ProbeTcp(const std::string& numericAddress, std::uint16_t port, std::uint32_t timeoutMs,
                      const StopRequest& stop);

/// The numeric addresses (IPv4 first, then IPv6, no repeats) a host name
/// stands for; empty with `error` set when it stands for none.
std::vector<std::string> LookUpHost(const std::string& name, std::string& error);

}  // namespace pelmora::link
