#include "context/ScanTargets.h"

#include <algorithm>
#include <optional>

#include <arpa/inet.h>

#include "context/TcpAddress.h"

namespace pelmora::context {

namespace {

using Wide = unsigned __int128;

struct Address {
    bool ipv6 = false;
    Wide value = 0;
};

std::optional<Address> ParseAddress(const std::string& text) {
    std::array<std::uint8_t, 16> bytes{};
    Address address;
    if (IsDottedIpv4(text)) {
        ::inet_pton(AF_INET, text.c_str(), bytes.data());
        for (int i = 0; i < 4; ++i) address.value = address.value << 8 | bytes[static_cast<std::size_t>(i)];
        return address;
    }
    if (text.find(':') == std::string::npos || ::inet_pton(AF_INET6, text.c_str(), bytes.data()) != 1)
        return std::nullopt;
    address.ipv6 = true;
    for (std::uint8_t byte : bytes) address.value = address.value << 8 | byte;
    return address;
}

int Bits(bool ipv6) { return ipv6 ? 128 : 32; }

std::array<std::uint8_t, 16> BytesOf(const Address& address) {
    std::array<std::uint8_t, 16> bytes{};
    const int size = Bits(address.ipv6) / 8;
    Wide value = address.value;
    for (int i = size - 1; i >= 0; --i, value >>= 8) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value);
    return bytes;
}

/// The target without its port; `port` set when it carried one.
std::string SplitPort(const std::string& text, std::string& port) {
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos) return text;
        if (close + 1 < text.size()) {
            if (text[close + 1] != ':') return text;
            port = text.substr(close + 2);
        }
        return text.substr(1, close - 1);
    }
    const auto colon = text.find(':');
    if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) return text;
    port = text.substr(colon + 1);
    return text.substr(0, colon);
}

// The last part of a range written short: "60" of "192.168.1.10-60", "ff" of "fe80::10-ff".
std::optional<Address> RangeEnd(const Address& start, const std::string& text) {
    if (auto full = ParseAddress(text)) return full->ipv6 == start.ipv6 ? full : std::nullopt;
    const bool hex = start.ipv6;
    if (text.empty() || text.size() > (hex ? 4u : 3u)) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9'                ? c - '0'
                          : hex && c >= 'a' && c <= 'f'       ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F'       ? c - 'A' + 10
                                                              : -1;
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16u : 10u) + static_cast<unsigned>(digit);
    }
    const int partBits = hex ? 16 : 8;
    if (value >= (1u << partBits) || (!hex && text.size() > 1 && text.front() == '0')) return std::nullopt;
    Address end = start;
    end.value = (start.value >> partBits << partBits) | value;
    return end;
}

struct Span {
    Address first;
    Wide count = 0;
    std::string error;
};

Span ParseCidr(const std::string& host, const std::string& text) {
    const auto slash = host.find('/');
    const auto base = ParseAddress(host.substr(0, slash));
    const std::string prefixText = host.substr(slash + 1);
    if (!base || prefixText.empty() || prefixText.size() > 3 ||
        !std::all_of(prefixText.begin(), prefixText.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {{}, 0, "'" + text + "' is not a CIDR block"};
    const int bits = Bits(base->ipv6), prefix = std::stoi(prefixText), hostBits = bits - prefix;
    if (prefix > bits) return {{}, 0, "'" + text + "': the prefix length is at most " + std::to_string(bits)};
    if (hostBits > 64) return {{}, 0, "'" + text + "' holds more than " + std::to_string(kMaxScanAddresses) + " addresses"};
    Span span{*base, Wide{1} << hostBits, {}};
    span.first.value = hostBits == 0 ? base->value : base->value >> hostBits << hostBits;
    // Network and broadcast address take no printer; the IPv6 subnet's first is a router's.
    const int edges = base->ipv6 ? (hostBits >= 2 ? 1 : 0) : (hostBits >= 2 ? 2 : 0);
    span.first.value += edges > 0 ? 1 : 0;
    span.count -= static_cast<Wide>(edges);
    return span;
}

Span ParseSpan(const std::string& host, const std::string& text) {
    if (host.find('/') != std::string::npos) return ParseCidr(host, text);
    if (const auto dash = host.find('-'); dash != std::string::npos) {
        const auto start = ParseAddress(host.substr(0, dash));
        if (!start) return {{}, 0, "'" + text + "' is not an address range"};
        const auto end = RangeEnd(*start, host.substr(dash + 1));
        if (!end) return {{}, 0, "'" + text + "' is not an address range"};
        if (end->value < start->value) return {{}, 0, "'" + text + "': the range runs backwards"};
        return {*start, end->value - start->value + 1, {}};
    }
    if (const auto single = ParseAddress(host)) return {*single, 1, {}};
    return {{}, 0, {}};
}

std::string CheckSize(const std::string& text, Wide count, bool force) {
    if (count > kMaxScanAddresses)
        return "'" + text + "' holds more than " + std::to_string(kMaxScanAddresses) + " addresses";
    if (count > kUnforcedScanAddresses && !force)
        return "'" + text + "' holds " + std::to_string(static_cast<std::uint64_t>(count)) +
               " addresses; more than a /16 needs --force";
    return {};
}

}  // namespace

ScanTargets ParseScanTargets(const std::vector<std::string>& texts, std::uint16_t defaultPort, bool force,
                             const HostLookup& lookUp) {
    ScanTargets targets;
    for (const std::string& text : texts) {
        std::string portText;
        const std::string host = SplitPort(text, portText);
        std::uint16_t port = defaultPort;
        if (!portText.empty() || (text.size() > host.size() && text.back() == ':')) {
            const auto given = ParseTcpPort(portText);
            if (!given) return {{}, 0, "'" + text + "': the port must be a number from 1 to 65535"};
            port = *given;
        }
        const Span span = ParseSpan(host, text);
        if (!span.error.empty()) return {{}, 0, span.error};
        if (span.count > 0) {
            if (std::string error = CheckSize(text, span.count, force); !error.empty()) return {{}, 0, error};
            targets.blocks.push_back({text, span.first.ipv6, BytesOf(span.first),
                                      static_cast<std::uint64_t>(span.count), port, {}});
            continue;
        }
        if (!IsHostName(host))
            return {{}, 0, "'" + text + "' is not an address, a range, a CIDR block or a host name"};
        std::string error;
        const std::vector<std::string> found = lookUp(host, error);
        if (found.empty()) return {{}, 0, "'" + text + "': the host name is not known (" + error + ")"};
        for (const std::string& numeric : found)
            if (const auto address = ParseAddress(numeric))
                targets.blocks.push_back({text, address->ipv6, BytesOf(*address), 1, port, host});
    }
    for (const ScanBlock& block : targets.blocks) targets.total += block.count;
    return targets;
}

std::string ScanAddressAt(const ScanBlock& block, std::uint64_t index) {
    const int size = block.ipv6 ? 16 : 4;
    Wide value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | block.first[static_cast<std::size_t>(i)];
    const auto bytes = BytesOf({block.ipv6, value + index});
    char text[64];
    ::inet_ntop(block.ipv6 ? AF_INET6 : AF_INET, bytes.data(), text, sizeof text);
    return text;
}

}  // namespace pelmora::context
