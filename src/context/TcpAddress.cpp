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

std::optional<std::uint16_t> ParseTcpPort(const std::string& text, std::uint16_t lowest) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::atoi(text.c_str());
    if (value < lowest || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

namespace {

TcpAddress Checked(std::string host, std::optional<std::uint16_t> port) {
    TcpAddress checked;
    if (!IsDottedIpv4(host)) checked.problem = TcpAddress::BadAddress;
    else if (!port) checked.problem = TcpAddress::BadPort;
    else checked.port = *port;
    checked.host = std::move(host);
    return checked;
}

}  // namespace

TcpAddress CheckTcpAddress(const std::string& host, const std::string& port) {
    return Checked(host, ParseTcpPort(port));
}

TcpAddress ParseTcpAddress(const std::string& text, std::uint16_t lowestPort, std::optional<std::uint16_t> portIfNone) {
    const auto colon = text.find(':');
    return Checked(text.substr(0, colon),
                   colon == std::string::npos ? portIfNone : ParseTcpPort(text.substr(colon + 1), lowestPort));
}

}  // namespace pelmora::context
