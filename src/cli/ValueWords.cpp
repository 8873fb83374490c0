#include "cli/ValueWords.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "vmsm/ConfigLists.h"

namespace pelmora::cli {

namespace {

namespace lists = vmsm::lists;

// Fields whose list is the same on every firmware; index = code.
struct ListField {
    const char* field;
    const lists::Entries& (*entries)();
};
const ListField kListFields[] = {
    {"BeepPaper", lists::BeepEntries},         {"BeepLowBat", lists::BeepEntries},
    {"CharMode", lists::CharModeEntries},      {"Service", lists::ServiceEntries},
    {"Msr", lists::MsrTriggerEntries},         {"Sentinel", lists::SentinelModeEntries},
    {"Parity", lists::ParityEntries},          {"BtSecurity", lists::BtSecurityEntries},
    {"BtConnMode", lists::BtConnModeEntries},
};

// Numbers that carry a unit in `config get`; each spelling an operator may type.
struct UnitField {
    const char* field;
    std::vector<std::string> units;
};
const UnitField kUnitFields[] = {
    {"TimeOff", {"min", "mins", "minutes"}},
    {"TimeSave", {"s", "sec", "secs", "seconds"}},
    {"CuttingPosition", {"units"}},
};

std::string Folded(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string folded = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

}  // namespace

std::vector<WordedValue> WordsOf(const std::string& field) {
    std::vector<WordedValue> words;
    for (const ListField& f : kListFields) {
        if (field != f.field) continue;
        const auto& entries = f.entries();
        for (std::size_t i = 0; i < entries.size(); ++i)
            words.push_back({entries[i], static_cast<std::uint32_t>(i)});
    }
    return words;
}

std::optional<std::uint32_t> CodeOfWord(const std::string& field, const std::string& text) {
    const std::string wanted = Folded(text);
    for (const WordedValue& w : WordsOf(field))
        if (Folded(w.word) == wanted) return w.code;
    for (const UnitField& f : kUnitFields) {
        if (field != f.field) continue;
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), value);
        if (error != std::errc() || end == wanted.data()) return std::nullopt;
        const std::string unit = Folded(std::string(end, wanted.data() + wanted.size()));
        if (std::find(f.units.begin(), f.units.end(), unit) != f.units.end()) return value;
    }
    return std::nullopt;
}

std::string WordsHelp(const std::string& field) {
    std::string help;
    for (const WordedValue& w : WordsOf(field))
        help += (help.empty() ? "" : ", ") + std::to_string(w.code) + " " + w.word;
    return help;
}

}  // namespace pelmora::cli
