#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora::test {

/// "1D 28 45" -> bytes; blanks are optional.
inline std::vector<std::uint8_t> H(const std::string& hex) {
    std::vector<std::uint8_t> out;
    std::string digits;
    for (char c : hex)
        if (c != ' ') digits.push_back(c);
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return out;
}

}  // namespace pelmora::test
