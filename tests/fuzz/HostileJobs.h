#pragma once
#include <cstdint>

#include "link/CommSettings.h"

namespace pelmora::fuzz {

/// Settings that open the link over `portType` (0..3).
link::CommSettings SettingsFor(std::int32_t portType);

/// The longest one silent read may take on that port type; serial reads of
/// up to `capacity` bytes.
std::uint64_t WorstReadMs(std::int32_t portType, std::uint64_t capacity = 1024);

/// The longest opening and closing the link may take: three open attempts
/// 400 ms apart, the handheld's 1 s close pause, the serial 200 ms close pause.
inline constexpr std::uint64_t kLinkOpenCloseMs = 2 * 400 + 1000 + 200;

}  // namespace pelmora::fuzz

namespace pelmora::fuzz {

/// The longest one identification exchange may take: ten resends after three
/// empty reads each, the version's 3 s limit, or ten MSR attempts 500 ms apart.
inline constexpr std::uint64_t IdentifyWorstMs(std::uint64_t worstRead) { return 31 * worstRead + 5500; }

}  // namespace pelmora::fuzz
