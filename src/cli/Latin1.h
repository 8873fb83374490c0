#pragma once
#include <optional>
#include <string>

namespace pelmora::cli {

/// Byte texts of the printer as JSON strings: each byte is the code point of
/// the same value, so any byte survives a round trip.
std::string Latin1ToUtf8(const std::string& bytes);
/// The reverse; nothing when the text holds a code point above 255 or is not UTF-8.
std::optional<std::string> Utf8ToLatin1(const std::string& text);

}  // namespace pelmora::cli
