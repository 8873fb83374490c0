#include "link/TranscriptEvent.h"

#include <array>
#include <utility>

#include <nlohmann/json.hpp>

#include "link/Trace.h"

namespace pelmora::link {

namespace {

using Kind = TranscriptEvent::Kind;

constexpr std::array<std::pair<Kind, std::string_view>, 7> kNames{{
    {Kind::Open, "open"},
    {Kind::OpenFailed, "open-failed"},
    {Kind::Close, "close"},
    {Kind::Write, "write"},
    {Kind::Read, "read"},
    {Kind::Timeout, "timeout"},
    {Kind::ReadError, "read-error"},
}};

std::string_view NameOf(Kind kind) {
    for (const auto& [k, name] : kNames)
        if (k == kind) return name;
    return "?";
}

std::optional<Kind> KindNamed(std::string_view name) {
    for (const auto& [k, n] : kNames)
        if (n == name) return k;
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "1D 49 43" or "1D4943"; nothing for anything else.
std::optional<std::vector<std::uint8_t>> FromHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (const char c : text) {
        if (c == ' ' && high < 0) continue;
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0) return std::nullopt;
    return bytes;
}

}  // namespace

std::string TranscriptLine(const TranscriptEvent& e) {
    nlohmann::ordered_json j;
    j["t"] = e.timeMs;
    j["link"] = e.link;
    j["event"] = NameOf(e.kind);
    switch (e.kind) {
    case Kind::Open:
    case Kind::OpenFailed:
        j["channel"] = e.channel;
        j["port"] = e.port;
        break;
    case Kind::Write:
        j["hex"] = HexBytes(e.bytes.data(), e.bytes.size());
        // Only a write the channel did not take whole says more.
        if (e.result != static_cast<int>(e.bytes.size())) j["taken"] = e.result;
        break;
    case Kind::Read: j["hex"] = HexBytes(e.bytes.data(), e.bytes.size()); break;
    case Kind::Close:
    case Kind::Timeout:
    case Kind::ReadError: break;
    }
    // Port texts come from the user; replace what is not UTF-8 rather than throw.
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string TranscriptHeaderLine(std::string_view tool, std::string_view version,
                                 const std::vector<std::string>& commandLine) {
    nlohmann::ordered_json j;
    j["transcript"] = 1;
    j["tool"] = tool;
    j["version"] = version;
    j["command"] = commandLine;
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::optional<TranscriptEvent> ParseTranscriptLine(std::string_view line, bool& isHeader, std::string& error) {
    isHeader = false;
    const auto j = nlohmann::json::parse(line, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        error = "not a JSON object";
        return std::nullopt;
    }
    if (j.contains("transcript")) {
        isHeader = true;
        return std::nullopt;
    }
    const auto text = [&](const char* key) -> std::optional<std::string> {
        const auto it = j.find(key);
        if (it == j.end() || !it->is_string()) return std::nullopt;
        return it->get<std::string>();
    };
    const auto number = [&](const char* key) -> std::optional<std::int64_t> {
        const auto it = j.find(key);
        if (it == j.end() || !it->is_number_integer()) return std::nullopt;
        return it->get<std::int64_t>();
    };

    TranscriptEvent e;
    const auto name = text("event");
    const auto kind = name ? KindNamed(*name) : std::nullopt;
    const auto time = number("t");
    const auto link = number("link");
    if (!kind || !time || *time < 0 || !link || *link < 0 || *link > UINT32_MAX) {
        error = "an event needs \"t\", \"link\" and a known \"event\"";
        return std::nullopt;
    }
    e.kind = *kind;
    e.timeMs = static_cast<std::uint64_t>(*time);
    e.link = static_cast<std::uint32_t>(*link);
    if (e.kind == Kind::Open || e.kind == Kind::OpenFailed) {
        e.channel = text("channel").value_or("");
        e.port = text("port").value_or("");
    }
    if (e.kind == Kind::Write || e.kind == Kind::Read) {
        const auto hex = text("hex");
        auto bytes = hex ? FromHex(*hex) : std::nullopt;
        if (!bytes) {
            error = "\"hex\" must hold hexadecimal byte pairs";
            return std::nullopt;
        }
        e.bytes = std::move(*bytes);
        e.result = static_cast<int>(e.bytes.size());
        if (e.kind == Kind::Write && j.contains("taken")) {
            const auto taken = number("taken");
            if (!taken || *taken < -1 || *taken > e.result) {
                error = "\"taken\" must be -1 or at most the bytes written";
                return std::nullopt;
            }
            e.result = static_cast<int>(*taken);
        }
    }
    if (e.kind == Kind::ReadError) e.result = -1;
    return e;
}

}  // namespace pelmora::link
