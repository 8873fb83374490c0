#include "context/TcpAddress.h"

#include <algorithm>
#include <cstdlib>

namespace pelmora::context {

bool IsDottedIpv4(const std::string& text) {
    int parts = 0;
    std::size_t i = 0;
    while (true) {
        const std::size_t start = i;
        std::size_t digits = 0;
        int value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            value = value * 10 + (text[i] - '0');
            ++i;
            ++digits;
        }
        // The link's address parser takes no leading zeros ("010" is not 10).
        if (digits == 0 || digits > 3 || value > 255 || (digits > 1 && text[start] == '0')) return false;
        ++parts;
        if (i == text.size()) return parts == 4;
        if (text[i] != '.' || parts == 4) return false;
        ++i;
    }
}

std::optional<std::uint16_t> ParseTcpPort(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::atoi(text.c_str());
    if (value < 1 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace pelmora::context
