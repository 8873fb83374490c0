#include "vmsm/SentinelCheck.h"

#include <algorithm>

#include "vmsm/PrinterConfig.h"

namespace pelmora::vmsm {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::string SentinelParser(std::string_view hexa) {
    while (!hexa.empty() && IsWhite(hexa.front())) hexa.remove_prefix(1);
    while (!hexa.empty() && IsWhite(hexa.back())) hexa.remove_suffix(1);
    std::string out;
    std::size_t p = 0;
    while (p < hexa.size()) {
        if (hexa[p] == ' ') {
            ++p;
            continue;
        }
        if (hexa.size() - p < 2) return {};
        const int high = HexValue(hexa[p]);
        const int low = HexValue(hexa[p + 1]);
        if (high < 0 || low < 0) return std::string(kSentinelParserError);
        out.push_back(static_cast<char>(high * 16 + low));
        p += 2;
    }
    return out;
}

std::string CheckSentinel(std::string_view text, bool mustNotBeEmpty) {
    if (text.size() > kSentinelMax || (text.empty() && mustNotBeEmpty)) return std::string(kSentinelLengthText);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7F) return std::string(kSentinelValueText);
    }
    return {};
}

std::string ConfirmSentinels(bool hexaForm, SentinelSix& texts) {
    SentinelSix converted = texts;
    if (hexaForm) {
        for (std::string& text : converted) {
            // Bounds the work on a pasted wall of digits; it could not pass the length check.
            if (text.size() - std::count(text.begin(), text.end(), ' ') > kSentinelHexaMaxDigits)
                return std::string(kSentinelLengthText);
            text = SentinelParser(text);
            if (text == kSentinelParserError) return std::string(kInvalidHexaText);
        }
    }
    for (std::size_t i = 0; i < converted.size(); ++i) {
        const bool isStart = i < static_cast<std::size_t>(kTracks);
        if (std::string error = CheckSentinel(converted[i], isStart); !error.empty()) return error;
    }
    texts = std::move(converted);
    return {};
}

}  // namespace pelmora::vmsm
