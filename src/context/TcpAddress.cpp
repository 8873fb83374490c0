#include "context/TcpAddress.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "link/HostName.h"

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

bool IsIpv6(const std::string& text) { return link::IsIpv6Text(text); }

bool IsHostName(const std::string& text) {
    return link::IsHostNameSyntax(text);
}

TcpAddress ParsePrinterAddress(const std::string& text, std::uint16_t portIfNone) {
    std::string host = text;
    std::optional<std::uint16_t> port = portIfNone;
    bool bracketed = false;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        bracketed = close != std::string::npos;
        host = bracketed ? text.substr(1, close - 1) : text;
        const std::string rest = bracketed ? text.substr(close + 1) : std::string();
        if (!rest.empty()) port = rest.front() == ':' ? ParseTcpPort(rest.substr(1)) : std::nullopt;
    } else if (text.find(':') == text.rfind(':') && text.find(':') != std::string::npos) {
        const std::size_t colon = text.find(':');
        host = text.substr(0, colon);
        port = ParseTcpPort(text.substr(colon + 1));
    }
    TcpAddress checked;
    const bool v6 = IsIpv6(host);
    if (bracketed ? !v6 : !(v6 || IsDottedIpv4(host) || IsHostName(host))) checked.problem = TcpAddress::BadAddress;
    else if (!port) checked.problem = TcpAddress::BadPort;
    else checked.port = *port;
    checked.host = std::move(host);
    return checked;
}

std::string PrinterAddressText(const std::string& host, std::uint16_t port) {
    return (host.find(':') != std::string::npos ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

TcpAddress CheckTcpAddress(const std::string& host, const std::string& port) {
    return Checked(host, ParseTcpPort(port));
}

TcpAddress ParseTcpAddress(const std::string& text, std::uint16_t lowestPort, std::optional<std::uint16_t> portIfNone) {
    const auto colon = text.find(':');
    return Checked(text.substr(0, colon),
                   colon == std::string::npos ? portIfNone : ParseTcpPort(text.substr(colon + 1), lowestPort));
}

}  // namespace pelmora::context
