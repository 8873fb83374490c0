#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vmsm/PrinterConfig.h"
#include "vmsm/SwitchMap.h"

/// Pure encoders of the memory-switch commands: record fields in, bytes out.
namespace pelmora::vmsm::cmd {

using Bytes = std::vector<std::uint8_t>;

/// The Bluetooth command is built for a 100-byte buffer: PIN and name share 93.
constexpr std::size_t kBtTextsMax = 93;

Bytes EnterSettingMode();                       ///< GS ( E 03 00 01 "IN"
Bytes EnterSettingModeLegacy();                 ///< BS ^ E 01 00 01
Bytes EndSettingMode();                         ///< GS ( E 04 00 02 "OUT"
Bytes EndSettingModeLegacy();                   ///< BS ^ E 01 00 02

Bytes ReadSwitch(std::uint8_t n);               ///< GS ( E 02 00 04 n
Bytes ReadSwitchLegacy(std::uint8_t n);         ///< BS ^ E 02 00 04 n
/// GS ( E 0B 00 03. Its length announces one byte more than the record that
/// follows; printers expect exactly this header.
Bytes WriteSwitchHeader();
Bytes WriteSwitchRecord(std::uint8_t n, const SwitchBits& bits);  ///< n c8..c1
/// BS ^ E pL 00 03 announcing `records` 8-byte records.
Bytes WriteSwitchLegacyHeader(int records);

Bytes ReadSerialSetting(std::uint8_t k);        ///< GS ( E 02 00 0C k
Bytes ReadSerialSettingLegacy(std::uint8_t k);  ///< BS ^ E 02 00 0C k
/// The data of serial setting k (1 baud text, 2 parity, 3 flow control, 4 data bits).
Bytes SerialSettingData(const PrinterConfig& config, std::uint8_t k);
Bytes WriteSerialSettingHeader(std::uint8_t k, std::size_t dataLength);  ///< GS ( E pL 00 0B k
/// BS ^ E pL 00 0B baud parity flow databits, all in one.
Bytes WriteSerialSettingsLegacy(const PrinterConfig& config);
/// The baud text each dialect can send; anything else goes out as "115200".
std::string BaudText(std::uint32_t baudrate, Dialect dialect);

Bytes ReadTearOff();                            ///< GS ( E 02 00 21 00
Bytes WriteTearOff(std::uint32_t position);     ///< GS ( E 04 00 20 00 lo hi

Bytes ReadBtItem(std::uint8_t item);            ///< US US "i" x
/// US US "p" security mode PIN CR name CR; nothing when PIN and name pass 93.
std::optional<Bytes> WriteBtSettings(const PrinterConfig& config);

Bytes ReadSentinels(int track);                 ///< BS M S 02 00 "4" "0"+t
/// BS M S (L+2) 00 "2" "0"+t; the start text follows in its own write.
Bytes WriteStartSentinelHeader(int track, std::size_t length);
/// BS M S (L+2) 00 "3" "0"+t; an empty end text is announced as L = 1.
Bytes WriteEndSentinelHeader(int track, std::size_t length);
/// The end text's bytes; an empty one is sent as a single NUL.
Bytes EndSentinelData(const SentinelText& text);

/// The 253-byte block that restores the MPT-Q700VII's factory settings.
const Bytes& FactoryDefaultBlock();

}  // namespace pelmora::vmsm::cmd
