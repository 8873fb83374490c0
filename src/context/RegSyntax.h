#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::context {

enum class RegType {
    Text,   ///< "name"="text"
    Dword,  ///< "name"=dword:0000002a
    Other,  ///< any other registry type (hex:, hex(7):, ...); kept verbatim
};

struct RegValue {
    std::string name;  ///< "" is the key's default value, written @=
    RegType type = RegType::Text;
    std::string data;  ///< the text for Text; the raw data after '=' for Other
    std::uint32_t number = 0;
    bool operator==(const RegValue&) const = default;
};

struct RegKey {
    std::string path;  ///< below HKEY_LOCAL_MACHINE, '\'-separated
    std::vector<RegValue> values;
};

/// A registry file held in memory, keys and values in file order.
struct RegDocument {
    std::vector<RegKey> keys;
    /// Some line could not be read; it is missing from `keys`.
    bool damaged = false;
};

/// Parses REGEDIT4 text (LF or CRLF). Never fails: unreadable lines, and the
/// values below an unreadable key line, are left out and mark the file damaged.
/// A key or value that appears twice is merged; the later value wins.
RegDocument ParseRegFile(std::string_view text);

/// Whether `text` is a registry file or nothing at all: blank, or its first
/// non-blank line is REGEDIT4. Anything else is someone else's file.
bool IsRegFileOrBlank(std::string_view text);

/// The canonical text: header, then each key with its values and a blank line.
std::string RenderRegFile(const RegDocument& document);

/// ASCII case-insensitive equality, as the registry compares key and value names.
bool EqualsNoCase(std::string_view a, std::string_view b);

/// A key path the file can hold: names separated by single '\', no CR, LF or NUL.
bool IsValidKeyPath(std::string_view path);
/// A value name the file can hold: no CR, LF or NUL.
bool IsValidValueName(std::string_view name);

const RegKey* FindRegKey(const RegDocument& document, std::string_view path);
RegKey* FindRegKey(RegDocument& document, std::string_view path);
const RegValue* FindRegValue(const RegKey& key, std::string_view name);
RegValue* FindRegValue(RegKey& key, std::string_view name);

}  // namespace pelmora::context
