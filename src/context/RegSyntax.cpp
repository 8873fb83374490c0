#include "context/RegSyntax.h"

#include <optional>
#include <unordered_map>
#include <utility>

namespace pelmora::context {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHive = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Lower(c);
    return out;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// A quoted name or text starting at s[pos]; pos ends after the closing quote.
// CR and LF have escapes of their own so that a text never breaks its line.
bool ReadQuoted(std::string_view s, std::size_t& pos, std::string& out) {
    if (pos >= s.size() || s[pos] != '"') return false;
    for (++pos; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        if (++pos == s.size()) return false;
        switch (s[pos]) {
        case '\\': out.push_back('\\'); break;
        case '"': out.push_back('"'); break;
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        default: return false;
        }
    }
    return false;
}

void AppendQuoted(std::string& out, std::string_view s) {
    out.push_back('"');
    for (const char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out.push_back(c);
        }
    }
    out.push_back('"');
}

bool ParseHex32(std::string_view digits, std::uint32_t& out) {
    if (digits.empty() || digits.size() > 8) return false;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const char l = Lower(c);
        int digit;
        if (l >= '0' && l <= '9') digit = l - '0';
        else if (l >= 'a' && l <= 'f') digit = l - 'a' + 10;
        else return false;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    out = value;
    return true;
}

std::optional<std::string> ParseKeyLine(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    std::string_view inner = line.substr(1, line.size() - 2);
    if (!StartsWithNoCase(inner, kHive)) return std::nullopt;
    inner.remove_prefix(kHive.size());
    if (inner.empty() || inner.front() != '\\') return std::nullopt;
    inner.remove_prefix(1);
    if (!IsValidKeyPath(inner)) return std::nullopt;
    return std::string(inner);
}

// `continues` is set when raw data goes on in the next line (a trailing '\').
bool ParseValueLine(std::string_view line, RegValue& value, bool& continues) {
    std::size_t pos = 0;
    if (line.front() == '@') pos = 1;
    else if (!ReadQuoted(line, pos, value.name)) return false;
    if (pos >= line.size() || line[pos] != '=') return false;
    const std::string_view data = line.substr(pos + 1);
    if (!data.empty() && data.front() == '"') {
        std::size_t end = 0;
        value.type = RegType::Text;
        return ReadQuoted(data, end, value.data) && end == data.size();
    }
    constexpr std::string_view kDword = "dword:";
    if (StartsWithNoCase(data, kDword)) {
        value.type = RegType::Dword;
        return ParseHex32(data.substr(kDword.size()), value.number);
    }
    if (StartsWithNoCase(data, "hex") && data.find(':') != std::string_view::npos) {
        value.type = RegType::Other;
        value.data = std::string(data);
        continues = data.back() == '\\';
        return true;
    }
    return false;
}

// Raw data whose last line ends in '\' with nothing to continue it (a blank
// line or the end of the file follows): the '\' goes, or the next save would
// write it before the next value and the next read would take that value in.
// Every one goes, and the line breaks before them: of two at the end, or of
// a last line that is only backslashes, what is left would do the same after the next save.
void EndDanglingData(RegValue& value) {
    std::string& s = value.data;
    const auto dangling = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\\'; };
    while (!s.empty() && dangling(s.back())) s.pop_back();
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool IsValidValueName(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool IsValidKeyPath(std::string_view path) {
    if (path.empty() || path.front() == '\\' || path.back() == '\\') return false;
    if (path.find("\\\\") != std::string_view::npos) return false;
    return IsValidValueName(path);
}

namespace {

/// One pass over the lines of a registry file.
class RegParser {
public:
    RegDocument Parse(std::string_view text);

private:
    void Line(std::string_view line);
    void ContinuedLine(std::string_view line);
    void KeyLine(std::string_view line);
    void ValueLine(std::string_view line);
    RegValue& Keep(RegValue value);

    static constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);
    RegDocument document_;
    // Folded-name indexes keep parsing linear however many values a key holds.
    std::unordered_map<std::string, std::size_t> keyIndex_;
    std::vector<std::unordered_map<std::string, std::size_t>> valueIndex_;
    std::size_t current_ = kNoKey;
    RegValue* continuing_ = nullptr;  ///< a value whose data goes on in the next line
    bool headerSeen_ = false;
};

RegDocument RegParser::Parse(std::string_view text) {
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (continuing_) ContinuedLine(line);
        else Line(Trim(line));
    }
    if (continuing_) EndDanglingData(*continuing_);
    return std::move(document_);
}

void RegParser::ContinuedLine(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) {
        EndDanglingData(*continuing_);
        continuing_ = nullptr;
        return;
    }
    continuing_->data.push_back('\n');
    continuing_->data.append(line);
    if (trimmed.back() != '\\') continuing_ = nullptr;
}

void RegParser::Line(std::string_view line) {
    if (line.empty()) return;
    if (!headerSeen_) {
        headerSeen_ = true;
        if (line == kHeader) return;
        document_.damaged = true;  // and read on: the lines below may still be good
    }
    if (line.front() == '[') KeyLine(line);
    else ValueLine(line);
}

void RegParser::KeyLine(std::string_view line) {
    const std::optional<std::string> path = ParseKeyLine(line);
    if (!path) {
        // Its values must not fall to the key above.
        document_.damaged = true;
        current_ = kNoKey;
        return;
    }
    const auto [found, added] = keyIndex_.try_emplace(Folded(*path), document_.keys.size());
    if (added) {
        document_.keys.push_back(RegKey{*path, {}});
        valueIndex_.emplace_back();
    }
    current_ = found->second;
}

void RegParser::ValueLine(std::string_view line) {
    RegValue value;
    bool continues = false;
    if (current_ == kNoKey || !ParseValueLine(line, value, continues)) {
        document_.damaged = true;
        return;
    }
    RegValue& kept = Keep(std::move(value));
    if (continues) continuing_ = &kept;
}

RegValue& RegParser::Keep(RegValue value) {
    std::vector<RegValue>& values = document_.keys[current_].values;
    const auto [found, added] = valueIndex_[current_].try_emplace(Folded(value.name), values.size());
    if (added) return values.emplace_back(std::move(value));
    RegValue& stored = values[found->second];
    value.name = stored.name;  // the first spelling stays, as the registry keeps it
    stored = std::move(value);
    return stored;
}

}  // namespace

RegDocument ParseRegFile(std::string_view text) { return RegParser().Parse(text); }

bool IsRegFileOrBlank(std::string_view text) {
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view line = Trim(text.substr(0, eol));
        if (!line.empty()) return line == kHeader;
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    }
    return true;
}

std::string RenderRegFile(const RegDocument& document) {
    std::string out(kHeader);
    out += "\n\n";
    for (const RegKey& key : document.keys) {
        out += '[';
        out += kHive;
        out += '\\';
        out += key.path;
        out += "]\n";
        for (const RegValue& value : key.values) {
            if (value.name.empty()) out += '@';
            else AppendQuoted(out, value.name);
            out += '=';
            switch (value.type) {
            case RegType::Text: AppendQuoted(out, value.data); break;
            case RegType::Dword: {
                static const char digits[] = "0123456789abcdef";
                out += "dword:";
                for (int shift = 28; shift >= 0; shift -= 4) out += digits[(value.number >> shift) & 0xF];
                break;
            }
            case RegType::Other: out += value.data; break;
            }
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

const RegKey* FindRegKey(const RegDocument& document, std::string_view path) {
    for (const RegKey& key : document.keys)
        if (EqualsNoCase(key.path, path)) return &key;
    return nullptr;
}

RegKey* FindRegKey(RegDocument& document, std::string_view path) {
    return const_cast<RegKey*>(FindRegKey(std::as_const(document), path));
}

const RegValue* FindRegValue(const RegKey& key, std::string_view name) {
    for (const RegValue& value : key.values)
        if (EqualsNoCase(value.name, name)) return &value;
    return nullptr;
}

RegValue* FindRegValue(RegKey& key, std::string_view name) {
    return const_cast<RegValue*>(FindRegValue(std::as_const(key), name));
}

}  // namespace pelmora::context
