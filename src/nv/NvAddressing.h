#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::nv {

/// Automatic addressing within one download: candidates "10".."19", "20"..
/// "99", then on past '9' in character order (":0", ";0"...); "00".."09" are
/// never chosen. Only the codes stored when the download began are avoided;
/// the candidates themselves never repeat.
class AutoAddressing {
public:
    /// The next candidate that no stored code equals; nothing once every
    /// candidate a two-byte code allows has been tried.
    std::optional<std::string> Next(const std::vector<std::string>& stored);

private:
    std::uint8_t first_ = '0';
    int counter_ = 0;
    int tried_ = 0;
};

/// The address window's check of an entered code.
enum class AddressVerdict { Ok, Exists, WrongLength };

/// Exact, case-sensitive comparison with the stored codes; a code must have
/// exactly two characters (the command carries two key-code bytes).
AddressVerdict CheckAddressCode(const std::string& code, const std::vector<std::string>& stored);
/// "Exists address!" and the length refusal; empty for Ok.
std::string AddressVerdictText(AddressVerdict verdict);

}  // namespace pelmora::nv
