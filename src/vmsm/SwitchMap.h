#pragma once
#include <array>
#include <cstdint>

#include "context/FirmwareCapabilities.h"
#include "vmsm/PrinterConfig.h"

namespace pelmora::vmsm {

using context::Dialect;
using context::DialectOf;

/// Bit characters of one switch, b8 first ('0', '1'; '2' = unchanged in a write).
using SwitchBits = std::array<std::uint8_t, 8>;

/// What the map depends on besides the record.
struct SwitchContext {
    Dialect dialect = Dialect::Standard;
    std::uint32_t firmware = 0;    ///< V
    std::uint8_t msrMode = '9';    ///< M, the MSR mode character
};

/// The characters a write of switch `n` sends: '2' for every bit the map does
/// not own. Switch 3 and "Q" own none; "P" is the RF-interface switch.
SwitchBits EncodeSwitch(const PrinterConfig& config, std::uint8_t n, const SwitchContext& context);

/// Stores what switch `n` reports into the record. `bits` must hold only '0'
/// and '1'. Switch 3, "Q" and unknown switches store nothing; a standard
/// switch 7 whose MSR nibble is 0 (no trigger number) leaves `Msr` as it was.
void DecodeSwitch(PrinterConfig& config, std::uint8_t n, const SwitchBits& bits, const SwitchContext& context);

/// The 8-byte record of the legacy switch write: the switch number, or the b8
/// character where the map sets b8, then b7..b1.
std::array<std::uint8_t, 8> LegacySwitchRecord(std::uint8_t n, const SwitchBits& bits);

/// The legacy sequences leave switch 7 out when the printer's MSR mode is "P".
bool SkipsLegacySwitch7(std::uint8_t msrMode);

}  // namespace pelmora::vmsm
