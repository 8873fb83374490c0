#include "cli/ConfigEdits.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/CliContext.h"
#include "cli/Latin1.h"
#include "vmsm/ConfigLists.h"
#include "vmsm/SentinelCheck.h"
#include "vmsm/SwitchMap.h"

namespace pelmora::cli {

namespace {

using vmsm::PrinterConfig;

struct Range {
    const char* name;
    std::uint32_t min;
    std::uint32_t max;
    std::initializer_list<std::uint32_t> oneOf;  ///< when not empty, the only values allowed
};

// What the editors let a person choose. CodePage depends on the firmware.
const Range kRanges[] = {
    {"Density", 0, 7, {}},        {"Speed", 0, 1, {}},          {"Service", 0, 1, {}},
    {"FontType", 0, 2, {}},       {"BeepPaper", 0, 1, {}},      {"BeepLowBat", 0, 1, {}},
    {"CharMode", 0, 1, {}},       {"TimeOff", 0, 90, {}},       {"TimeSave", 0, 255, {}},
    {"CuttingPosition", 0, 640, {}},
    {"Msr", 0, 7, {}},
    {"Baudrate", 0, 0, {2400, 4800, 9600, 19200, 38400, 57600, 115200}},
    {"Databit", 0, 0, {7, 8}},    {"Parity", 0, 2, {}},         {"Flowcontrol", 0, 0, {1, 2}},
    {"Sentinel", 0, 2, {}},       {"BtSecurity", 0, 1, {}},     {"BtConnMode", 0, 2, {}},
    {"BtKeep", 0, 1, {}},         {"RfInterface", 0, 2, {}},
};

// What the record can hold where that is wider than the editors allow: such a
// value goes back to a printer that reported it, and is refused otherwise.
const Range kHeldRanges[] = {
    {"CodePage", 0, 63, {}},    {"TimeOff", 0, 127, {}},      {"CuttingPosition", 0, 65535, {}},
    {"Msr", 0, 15, {}},         {"Flowcontrol", 0, 9, {}},    {"BtSecurity", 0, 9, {}},
    {"Baudrate", 0, 0, {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}},
};

constexpr std::size_t kPinMax = 12;
constexpr std::size_t kNameMax = 30;
const char* const kBluetoothFields[] = {"BtSecurity", "BtConnMode", "BtPinCode", "BtDeviceName"};

/// One field that `config set` can name: a number, a Bluetooth text, or one
/// sentinel text ("StartSentinel[2]").
struct Field {
    std::uint32_t PrinterConfig::*number = nullptr;
    std::string PrinterConfig::*text = nullptr;
    bool start = false;
    int track = -1;  ///< 0..2 for a sentinel text

    template <class Config>
    auto& Text(Config& c) const {
        if (text) return c.*text;
        return start ? c.StartSentinel[track] : c.EndSentinel[track];
    }
    bool Same(const PrinterConfig& a, const PrinterConfig& b) const {
        return number ? a.*number == b.*number : Text(a) == Text(b);
    }
    void Copy(const PrinterConfig& from, PrinterConfig& to) const {
        if (number) to.*number = from.*number;
        else Text(to) = Text(from);
    }
};

std::optional<Field> FieldOf(const std::string& name) {
    for (const auto& f : vmsm::kStoredFields)
        if (name == f.name) return Field{.number = f.member};
    for (const auto& f : vmsm::kUnstoredNumberFields)
        if (name == f.name) return Field{.number = f.member};
    if (name == "BtPinCode") return Field{.text = &PrinterConfig::BtPinCode};
    if (name == "BtDeviceName") return Field{.text = &PrinterConfig::BtDeviceName};
    for (const char* base : {"StartSentinel", "EndSentinel"}) {
        const std::size_t n = std::strlen(base);
        if (name.size() == n + 3 && name.compare(0, n, base) == 0 && name[n] == '[' && name[n + 2] == ']' &&
            name[n + 1] >= '1' && name[n + 1] <= '3')
            return Field{.start = base[0] == 'S', .track = name[n + 1] - '1'};
    }
    return std::nullopt;
}

std::string Latin1Of(const std::string& field, const std::string& utf8) {
    const auto bytes = Utf8ToLatin1(utf8);
    if (!bytes) throw UsageError{field + ": only Latin-1 characters can be sent to the printer"};
    return *bytes;
}

std::uint32_t ParseNumber(const std::string& field, const std::string& text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw UsageError{field + ": '" + text + "' is not a whole number"};
    return value;
}

// The firmware from which the write sends a field; 0 when every firmware does.
std::uint32_t WrittenFrom(const std::string& name) {
    constexpr std::uint32_t kFwTearOff = 160902;
    if (name == "CuttingPosition") return kFwTearOff;
    if (name == "RfInterface") return vmsm::lists::kFwBluetooth;
    if (name.compare(0, 8, "Sentinel") == 0 || name.find("Sentinel[") != std::string::npos) return vmsm::kFwSentinels;
    return 0;
}

std::string RangeProblem(const Range& r, std::uint32_t v) {
    const bool ok = r.oneOf.size() ? std::find(r.oneOf.begin(), r.oneOf.end(), v) != r.oneOf.end()
                                   : v >= r.min && v <= r.max;
    if (ok) return {};
    std::string allowed;
    if (r.oneOf.size()) {
        for (std::uint32_t a : r.oneOf) allowed += (allowed.empty() ? "" : ", ") + std::to_string(a);
        allowed = "one of " + allowed;
    } else {
        allowed = std::to_string(r.min) + " to " + std::to_string(r.max);
    }
    return std::string(r.name) + "=" + std::to_string(v) + " is out of range (" + allowed + ")";
}

}  // namespace

void ConfigEdits::SetNumber(const std::string& name, std::uint32_t value, bool fromFile) {
    values_.*FieldOf(name)->number = value;
    named_.insert(name);
    if (fromFile) fromFile_.insert(name);
    else fromFile_.erase(name);
}

void ConfigEdits::SetText(const std::string& name, const std::string& latin1, bool fromFile) {
    FieldOf(name)->Text(values_) = latin1;
    named_.insert(name);
    if (fromFile) fromFile_.insert(name);
    else fromFile_.erase(name);
}

void ConfigEdits::SetFromText(const std::string& assignment) {
    const auto eq = assignment.find('=');
    if (eq == std::string::npos) throw UsageError{"'" + assignment + "': changes are FIELD=VALUE"};
    const std::string name = assignment.substr(0, eq);
    const std::string value = assignment.substr(eq + 1);
    const auto field = FieldOf(name);
    if (!field) throw UsageError{"'" + name + "' is not a configuration field"};
    if (field->number) SetNumber(name, ParseNumber(name, value), false);
    else SetText(name, Latin1Of(name, value), false);
}

void ConfigEdits::SetFromJson(const nlohmann::json& object) {
    if (!object.is_object()) throw UsageError{"the settings file must hold one JSON object"};
    for (const auto& [key, value] : object.items()) {
        if (key == "printer") continue;
        if (key == "StartSentinel" || key == "EndSentinel") {
            if (!value.is_array() || value.size() != 3 ||
                !std::all_of(value.begin(), value.end(), [](const auto& v) { return v.is_string(); }))
                throw UsageError{key + ": three texts are wanted, tracks 1 to 3"};
            for (int t = 1; t <= 3; ++t) {
                const std::string name = key + "[" + std::to_string(t) + "]";
                SetText(name, Latin1Of(name, value[t - 1].get<std::string>()), true);
            }
            continue;
        }
        const auto field = FieldOf(key);
        if (!field || field->track >= 0) throw UsageError{"'" + key + "' is not a configuration field"};
        if (field->number) {
            if (!value.is_number_unsigned() || value.get<std::uint64_t>() > 0xFFFFFFFFu)
                throw UsageError{key + ": a whole number from 0 up is wanted"};
            SetNumber(key, value.get<std::uint32_t>(), true);
        } else {
            if (!value.is_string()) throw UsageError{key + ": a text is wanted"};
            SetText(key, Latin1Of(key, value.get<std::string>()), true);
        }
    }
}

std::string ConfigEdits::Problem(const std::string& name, std::uint32_t firmware) const {
    const Field field = *FieldOf(name);
    if (field.number) {
        const std::uint32_t v = values_.*field.number;
        if (name == "CodePage") {
            const auto pages = vmsm::lists::CodePageEntries(vmsm::Variant::Desktop, firmware);
            if (firmware == 0 || v < pages.size()) return {};
            return "CodePage=" + std::to_string(v) + " is out of range (0 to " + std::to_string(pages.size() - 1) +
                   " on firmware " + std::to_string(firmware) + ")";
        }
        for (const Range& r : kRanges)
            if (name == r.name) return RangeProblem(r, v);
        return {};
    }
    const std::string& text = field.Text(values_);
    if (field.text) {
        const std::size_t max = name == "BtPinCode" ? kPinMax : kNameMax;
        if (text.size() > max) return name + ": at most " + std::to_string(max) + " characters";
        // A CR would end the text early in the Bluetooth command.
        if (std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\0'; }))
            return name + ": control characters CR and NUL cannot be sent";
        return {};
    }
    const std::string error = vmsm::CheckSentinel(text, field.start);
    return error.empty() ? error : name + ": " + error;
}

void ConfigEdits::Check() const {
    for (const std::string& name : named_) {
        const std::string problem = Problem(name, 0);
        const Field field = *FieldOf(name);
        if (!field.number) {
            // A text from the file may be what the printer holds: that waits for the read.
            if (!problem.empty() && !fromFile_.count(name)) throw UsageError{problem};
            continue;
        }
        const auto held = std::find_if(std::begin(kHeldRanges), std::end(kHeldRanges),
                                       [&](const Range& r) { return name == r.name; });
        if (held == std::end(kHeldRanges)) {
            if (!problem.empty()) throw UsageError{problem};
        } else if (std::string heldProblem = RangeProblem(*held, values_.*field.number); !heldProblem.empty()) {
            throw UsageError{problem.empty() ? heldProblem : problem};
        }
    }
}

std::string ConfigEdits::ApplyTo(PrinterConfig& record, std::uint32_t firmware, const std::string& modelName) const {
    for (const std::string& name : named_) {
        std::string problem = Problem(name, firmware);
        if (problem.empty()) continue;
        // What the printer already holds goes back unchanged, in range or not.
        if (FieldOf(name)->Same(values_, record)) continue;
        return problem;
    }
    // A named change this firmware's write leaves out would be reported as done.
    for (const std::string& name : named_) {
        const std::uint32_t from = WrittenFrom(name);
        if (firmware < from && !fromFile_.count(name) && !FieldOf(name)->Same(values_, record))
            return name + " is not written on firmware " + std::to_string(firmware) + " (only from " +
                   std::to_string(from) + " on)";
    }
    const bool bluetooth = std::any_of(std::begin(kBluetoothFields), std::end(kBluetoothFields),
                                       [this](const char* f) { return named_.count(f) > 0; });
    if (bluetooth && firmware < vmsm::lists::kFwBluetooth) vmsm::lists::FillUnreadBluetooth(record, modelName);
    record.BtKeep = bluetooth ? 0 : 1;
    for (const std::string& name : named_) FieldOf(name)->Copy(values_, record);
    return {};
}

}  // namespace pelmora::cli
