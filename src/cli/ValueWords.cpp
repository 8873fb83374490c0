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

bool WordedByFirmware(const std::string& field) { return field == "Density"; }

namespace {
// "150%" of the desktop list's " 150%": what an operator types.
std::string Typed(const std::string& entry) { return Folded(entry); }
}  // namespace

std::optional<std::uint32_t> CodeOfWordOn(const std::string& field, const std::string& text, std::uint32_t firmware) {
    if (!WordedByFirmware(field)) return std::nullopt;
    std::string wanted = Folded(text);
    std::erase(wanted, ' ');  // "140 %" too
    const auto& entries = lists::DensityEntries(context::Layout::Desktop);
    for (std::uint32_t i = 0; i < entries.size(); ++i)
        if (Typed(entries[i]) == wanted) return lists::DensityIndexToCode(i, firmware);
    return std::nullopt;
}

std::string FirmwareWordsHelp(const std::string& field) {
    std::string help;
    if (!WordedByFirmware(field)) return help;
    for (const std::string& entry : lists::DensityEntries(context::Layout::Desktop))
        help += (help.empty() ? "" : ", ") + Typed(entry);
    return help;
}

std::string WordsHelp(const std::string& field) {
    std::string help;
    for (const WordedValue& w : WordsOf(field))
        help += (help.empty() ? "" : ", ") + std::to_string(w.code) + " " + w.word;
    return help;
}

}  // namespace pelmora::cli
