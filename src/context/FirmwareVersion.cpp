#include "context/FirmwareVersion.h"

#include <initializer_list>
#include <string>

#include "context/FirmwareCapabilities.h"

namespace pelmora::context {

namespace {

constexpr std::string_view kExpectedModel = "MPT-Q700VII";
constexpr std::string_view kExpectedMaker = "KORVANE";

char At(std::string_view text, std::size_t position) {
    return position < text.size() ? text[position] : '\0';
}

// Leading blanks, an optional sign, then digits up to the first non-digit;
// wraps like the unsigned arithmetic it feeds.
std::uint32_t DecimalPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    return negative ? 0u - value : value;
}

// The characters at the given positions joined; a missing one ends the text.
std::uint32_t DigitsAt(std::string_view reply, std::initializer_list<std::size_t> positions) {
    std::string joined;
    for (std::size_t p : positions) {
        const char c = At(reply, p);
        if (c == '\0') break;
        joined.push_back(c);
    }
    return DecimalPrefix(joined);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::uint32_t FirmwareVersionFromReply(std::uint32_t modelCode, std::string_view reply) {
    if (modelCode == 703) {
        // Two-digit year first, then month and day, so dates compare in order;
        // the tear-off firmware's number is its date.
        const std::size_t n = reply.size();
        std::string date;
        if (n >= 2) date.append(reply.substr(n - 2));
        if (n >= 6) date.append(reply.substr(n - 6, 4));
        return DecimalPrefix(date) >= kFwTearOff ? kFwTearOff : kFwDatedBeforeTearOff;
    }
    if (modelCode == 700 || modelCode == 720) {
        if (StartsWith(reply, "_VER V")) return DigitsAt(reply, {6, 8, 9}) * 10u;
        if (StartsWith(reply, "_VER ")) {
            const bool tms = At(reply, 6) == 'T' && At(reply, 7) == 'M' && At(reply, 8) == 'S';
            return (DigitsAt(reply, {11, 13, 14}) + 1000u) * 10u + (tms ? 1u : 0u);
        }
        const bool b = At(reply, 0) == '_' && At(reply, 1) == 'B';
        return (DigitsAt(reply, {2, 3, 5, 6}) + 2000u) * 10u + (b ? 1u : 0u);
    }
    return (DigitsAt(reply, {2, 3, 5, 6}) + 10000u) * 10u;
}

std::uint32_t ModelCodeFromReply(std::string_view reply) {
    const std::size_t p = reply.find('_');
    if (p == std::string_view::npos || p > 15) return 0;
    static constexpr std::size_t compared[] = {0, 1, 2, 4, 5, 8, 9, 10};
    for (std::size_t i : compared)
        if (At(reply, p + 1 + i) != kExpectedModel[i]) return 0;
    return reply.size() == 12 ? 703 : 0;
}

bool IsExpectedMaker(std::string_view reply) {
    const std::size_t p = reply.find('_');
    if (p == std::string_view::npos) return false;
    if (reply.substr(p + 1, kExpectedMaker.size()) != kExpectedMaker) return false;
    return reply.size() >= 1 && reply.size() - 1 == kExpectedMaker.size();
}

}  // namespace pelmora::context
