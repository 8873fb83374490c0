#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora::vmsm {

/// What the parser returns for a HEXA entry it cannot read.
inline constexpr std::string_view kSentinelParserError = "ERRORKORVANEINPUT";

inline constexpr std::string_view kInvalidValueText = "Invalid value!";
inline constexpr std::string_view kInvalidHexaText = "Invalid HEXA Format!!";
inline constexpr std::string_view kSentinelLengthText = "Sentinel length is over 10 ( length range : 1~10 )";
inline constexpr std::string_view kSentinelValueText = "Sentinel is invalid value (0x20~0x7F)";

/// HEXA form to bytes: pairs of hexadecimal digits, spaces between pairs
/// allowed. An odd digit left over gives the empty text; anything else that
/// is not a digit gives kSentinelParserError.
std::string SentinelParser(std::string_view hexa);

/// Empty when `text` is an acceptable sentinel, else the message to show:
/// at most 10 bytes (at least 1 when `mustNotBeEmpty`), each 0x20..0x7F.
std::string CheckSentinel(std::string_view text, bool mustNotBeEmpty);

/// The six texts in the sentinel window's order: start of tracks 1..3, then
/// end of tracks 1..3.
using SentinelSix = std::array<std::string, 6>;

/// Most hexadecimal digits a HEXA entry may hold: twice the bytes the
/// conversion has room for. Any longer entry would fail the length check.
inline constexpr std::size_t kSentinelHexaMaxDigits = 4096;

/// The window's OK: converts HEXA entries in place, then checks the start
/// texts as non-empty and the end texts as possibly empty. Empty when all
/// pass, else the error text that follows "Invalid value!\r\n". A HEXA entry
/// with more than kSentinelHexaMaxDigits characters besides spaces gets the
/// length message without being converted. On an error `texts` stay as given.
std::string ConfirmSentinels(bool hexaForm, SentinelSix& texts);

}  // namespace pelmora::vmsm
