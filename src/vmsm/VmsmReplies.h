#pragma once
#include <cstdint>
#include <span>

#include "vmsm/PrinterConfig.h"
#include "vmsm/SwitchMap.h"

/// Pure parsers of the memory-switch replies: bytes in, a result code and the
/// decoded value out. Nothing is stored on failure.
namespace pelmora::vmsm::reply {

using ByteSpan = std::span<const std::uint8_t>;

/// 37 20 00, the answer to entering setting mode and to the factory block.
bool IsSettingModeReply(ByteSpan reply);

/// 37 21 c8..c1 00. 301 unless exactly 11 bytes; 109 for a wrong header or
/// terminator, or a bit character other than "0" and "1".
int ParseSwitch(ByteSpan reply, SwitchBits& bits);

/// 37 33 "0"+k 1F value 00 into Baudrate, Parity, Flowcontrol or Databit.
/// 109 when nothing came or the header or value is wrong; 301 when the reply
/// never ended.
int ParseSerialSetting(ByteSpan reply, std::uint8_t k, PrinterConfig& config);

/// 37 35 30 1F lo hi 00; the value bytes may be 00. Codes as for serial.
int ParseTearOff(ByteSpan reply, std::uint32_t& position);

/// 37 21 c8..c1 00 of switch "P", after whatever preceded 37 21. 108 when
/// there is no such reply or c2 or c1 is missing.
int ParseRfInterface(ByteSpan arrived, std::uint32_t& rfInterface);

/// 37 42 x value 00 into the field of item x. 301 without the 37 42 header;
/// 109 when x is not the item asked, or the value does not fit the item.
int ParseBtItem(ByteSpan reply, std::uint8_t item, PrinterConfig& config);

/// 37 81 "0"+t start 1F end 00 after whatever preceded 37 81 (37 81 "0"+t 00:
/// both texts empty). The texts stay untouched unless the reply is whole: 301
/// when nothing came or the 00 is missing; 109 for a foreign reply or a text
/// over 10 bytes. A text taken from half a reply would be written back later.
int ParseSentinels(ByteSpan arrived, int track, SentinelText& start, SentinelText& end);

}  // namespace pelmora::vmsm::reply
