#pragma once
#include <cstdint>

namespace pelmora::link {

/// How long a printer's TCP connection may keep the link waiting, on any system.
struct TcpLimits {
    std::uint32_t connectMs = 3000;    ///< an unreachable host fails after this
    std::uint32_t receiveMs = 1000;    ///< a read on a silent printer returns 0 after this
    std::uint32_t sendStallMs = 10000; ///< a write gives up when nothing moved for this long
};

}  // namespace pelmora::link
