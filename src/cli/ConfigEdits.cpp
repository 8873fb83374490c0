#include "cli/ConfigEdits.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <vector>

#include "cli/CliContext.h"
#include "cli/Latin1.h"
#include "cli/ValueWords.h"
#include "context/FirmwareCapabilities.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/SentinelCheck.h"

namespace pelmora::cli {

namespace {

using vmsm::PrinterConfig;

/// One field that `config set` can name: a number, a Bluetooth text, or one
/// sentinel text ("StartSentinel[2]").
struct Field {
    const vmsm::NumberField* number = nullptr;
    const vmsm::TextField* text = nullptr;
    bool start = false;
    int track = -1;  ///< 0..2 for a sentinel text

    template <class Config>
    auto& Number(Config& c) const { return c.*number->member; }
    template <class Config>
    auto& Text(Config& c) const {
        if (text) return c.*text->member;
        return start ? c.StartSentinel[track] : c.EndSentinel[track];
    }
    bool Same(const PrinterConfig& a, const PrinterConfig& b) const {
        return number ? Number(a) == Number(b) : Text(a) == Text(b);
    }
    void Copy(const PrinterConfig& from, PrinterConfig& to) const {
        if (number) Number(to) = Number(from);
        else Text(to) = Text(from);
    }
};

std::optional<Field> FieldOf(const std::string& name) {
    if (const auto* number = vmsm::FindNumberField(name)) return Field{.number = number};
    if (const auto* text = vmsm::FindTextField(name)) return Field{.text = text};
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
        throw UsageError{field + ": '" + text + "' is neither a whole number nor a value's name (see `config set --help`)"};
    return value;
}

std::string AllowedText(const vmsm::EditRange& range) {
    return range.oneOf.empty() ? std::to_string(range.min) + " to " + std::to_string(range.max)
                               : "one of " + JoinNumbers(range.oneOf, ", ");
}

// Firmware 0: the printer has not been read, so its code-page list is unknown.
std::string RangeProblem(const vmsm::NumberField& field, std::uint32_t v, std::uint32_t firmware) {
    if (field.edit.codePageList && firmware == 0) return {};
    const vmsm::EditRange range = vmsm::EditRangeOf(field, firmware);
    if (range.Allows(v)) return {};
    std::string allowed = AllowedText(range);
    if (field.edit.codePageList) allowed += " on firmware " + std::to_string(firmware);
    return std::string(field.name) + "=" + std::to_string(v) + " is out of range (" + allowed + ")";
}

// A profile holds what a printer reported, so what the record can hold goes back.
std::string HeldProblem(const vmsm::NumberField& field, std::uint32_t v) {
    const vmsm::EditRange range = vmsm::HeldRangeOf(field);
    if (range.Allows(v)) return {};
    return std::string(field.name) + "=" + std::to_string(v) + " is out of range (" + AllowedText(range) + ")";
}

std::uint32_t WrittenFrom(const std::string& name) { return context::WrittenFrom(vmsm::FirmwareFieldOf(name)); }

std::string NotWritten(const std::string& name, std::uint32_t firmware, std::uint32_t from) {
    return name + " is not written on firmware " + std::to_string(firmware) + " (only from " + std::to_string(from) +
           " on)";
}

}  // namespace

void ConfigEdits::SetNumber(const std::string& name, std::uint32_t value, bool fromFile) {
    FieldOf(name)->Number(values_) = value;
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
    if (field->number) {
        const auto code = CodeOfWord(name, value);  // "on", "30min", as the windows word them
        // Which word it is can be told now; its code only once the firmware is known.
        if (!code && CodeOfWordOn(name, value, 0)) {
            SetNumber(name, 0, false);
            worded_[name] = value;
            return;
        }
        SetNumber(name, code ? *code : ParseNumber(name, value), false);
        worded_.erase(name);
    }
    else SetText(name, Latin1Of(name, value), false);
}

void ConfigEdits::SetSource(const nlohmann::json& printer) {
    const auto model = printer.is_object() ? printer.find("ModelName") : printer.end();
    const auto firmware = printer.is_object() ? printer.find("FirmwareVersion") : printer.end();
    if (!printer.is_object() || model == printer.end() || !model->is_string() || firmware == printer.end() ||
        !firmware->is_number_unsigned() || firmware->get<std::uint64_t>() > 0xFFFFFFFFu)
        throw UsageError{"printer: ModelName (a text) and FirmwareVersion (a whole number) are wanted"};
    source_ = Source{Latin1Of("printer.modelName()", model->get<std::string>()), firmware->get<std::uint32_t>()};
}

void ConfigEdits::SetFromJson(const nlohmann::json& object) {
    if (!object.is_object()) throw UsageError{"the settings file must hold one JSON object"};
    for (const auto& [key, value] : object.items()) {
        if (key == "printer") {
            SetSource(value);
            continue;
        }
        // Earlier versions wrote the windows' keep flag, always 1: it is the
        // choice of one write, not a setting, so a profile's Bluetooth items go back.
        if (key == "BtKeep") continue;
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
            // A profile written by hand, or by Ansible, may name a value as the windows show it.
            if (const auto code = value.is_string() ? CodeOfWord(key, value.get<std::string>()) : std::nullopt) {
                SetNumber(key, *code, false);
                continue;
            }
            if (value.is_string() && CodeOfWordOn(key, value.get<std::string>(), 0)) {
                SetNumber(key, 0, false);
                worded_[key] = value.get<std::string>();
                continue;
            }
            if (!value.is_number_unsigned() || value.get<std::uint64_t>() > 0xFFFFFFFFu)
                throw UsageError{key + ": a whole number from 0 up, or a value's name, is wanted"};
            SetNumber(key, value.get<std::uint32_t>(), true);
        } else {
            if (!value.is_string()) throw UsageError{key + ": a text is wanted"};
            SetText(key, Latin1Of(key, value.get<std::string>()), true);
        }
    }
    // Earlier versions also wrote what the firmware does not report (the
    // store's values, left there by another printer): that is not a setting
    // of the printer the file was read from.
    if (!source_) return;
    for (auto it = named_.begin(); it != named_.end();) {
        if (fromFile_.count(*it) && !vmsm::IsReportedBy(*it, source_->firmware)) {
            fromFile_.erase(*it);
            it = named_.erase(it);
        } else {
            ++it;
        }
    }
}

std::string ConfigEdits::Problem(const std::string& name, std::uint32_t firmware) const {
    const Field field = *FieldOf(name);
    // A code page off this firmware's list would print as another one.
    if (field.number && fromFile_.count(name) && !field.number->edit.codePageList)
        return HeldProblem(*field.number, field.Number(values_));
    if (field.number) return RangeProblem(*field.number, field.Number(values_), firmware);
    const std::string& text = field.Text(values_);
    if (field.text) {
        if (text.size() > field.text->maxLength)
            return name + ": at most " + std::to_string(field.text->maxLength) + " characters";
        if (!vmsm::IsSendableText(text)) return name + ": control characters CR and NUL cannot be sent";
        return {};
    }
    const std::string error = vmsm::CheckSentinel(text, field.start);
    return error.empty() ? error : name + ": " + error;
}

void ConfigEdits::Check() const {
    for (const std::string& name : named_) {
        if (worded_.count(name)) continue;  // checked once the firmware is known
        const std::string problem = Problem(name, 0);
        const Field field = *FieldOf(name);
        if (!field.number) {
            // A text from the file may be what the printer holds: that waits for the read.
            if (!problem.empty() && !fromFile_.count(name)) throw UsageError{problem};
            continue;
        }
        // A value the editors refuse may still be one the printer reported: it
        // waits for the read unless the record could not even hold it.
        const vmsm::EditRange held = vmsm::HeldRangeOf(*field.number);
        if (!held.Allows(field.Number(values_))) {
            if (!problem.empty()) throw UsageError{problem};
            throw UsageError{std::string(field.number->name) + "=" + std::to_string(field.Number(values_)) +
                             " is out of range"};
        }
    }
}

std::string ConfigEdits::ModelProblem(const std::string& modelName) const {
    if (!source_ || source_->modelName == modelName) return {};
    return "the settings were read from a " + Latin1ToUtf8(source_->modelName) + ", this printer is a " +
           Latin1ToUtf8(modelName) + "; nothing written (--force writes them anyway)";
}

std::string ConfigEdits::ApplyTo(PrinterConfig& record, std::uint32_t firmware, const std::string& modelName) const {
    // Settings from other firmware may rely on what this one lacks: every field is looked at.
    const bool otherFirmware = source_ && source_->firmware != firmware;
    std::vector<std::string> problems;
    for (const std::string& name : named_) {
        std::string problem = Problem(name, firmware);
        // What the printer already holds goes back unchanged, in range or not.
        if (problem.empty() || FieldOf(name)->Same(values_, record)) continue;
        problems.push_back(std::move(problem));
        if (!otherFirmware) break;
    }
    // A named change this firmware's write leaves out would be reported as done.
    // A file read from this firmware holds what its write leaves out as it was read.
    for (const std::string& name : named_) {
        if (!problems.empty() && !otherFirmware) break;
        const std::uint32_t from = WrittenFrom(name);
        if (firmware < from && (otherFirmware || !fromFile_.count(name)) && !FieldOf(name)->Same(values_, record))
            problems.push_back(NotWritten(name, firmware, from));
    }
    if (!problems.empty()) {
        std::string text = otherFirmware ? "the settings were read from firmware " +
                                               std::to_string(source_->firmware) + "; this printer's " +
                                               std::to_string(firmware) + " cannot hold them:\n"
                                         : "";
        for (std::size_t i = 0; i < problems.size(); ++i) text += (i ? "\n" : "") + problems[i];
        return text;
    }
    // A profile's Bluetooth items go out when they would change something (the
    // write takes a few seconds more); named on the command line they always do.
    const bool reported = vmsm::IsReportedBy("BtPinCode", firmware);
    const bool bluetooth = std::any_of(named_.begin(), named_.end(), [&](const std::string& f) {
        return vmsm::IsBluetoothField(f) && (!fromFile_.count(f) || !reported || !FieldOf(f)->Same(values_, record));
    });
    if (bluetooth) vmsm::StartBluetoothFields(record, firmware, modelName);
    record.BtKeep = vmsm::BtKeepFor(bluetooth);
    for (const std::string& name : named_) FieldOf(name)->Copy(values_, record);
    return {};
}

std::string ConfigEdits::ResolveWords(std::uint32_t firmware) {
    for (const auto& [name, word] : worded_) {
        const auto code = CodeOfWordOn(name, word, firmware);
        if (!code) return name + ": '" + word + "' is none of " + FirmwareWordsHelp(name) + " (or a code)";
        FieldOf(name)->Number(values_) = *code;
    }
    worded_.clear();
    return {};
}

std::vector<std::string> ConfigEdits::DropUnfit(const PrinterConfig& record, std::uint32_t firmware) {
    std::vector<std::string> dropped;
    if (!source_ || source_->firmware == firmware) return dropped;
    for (auto it = named_.begin(); it != named_.end();) {
        const std::string& name = *it;
        std::string why = Problem(name, firmware);
        if (!why.empty() && FieldOf(name)->Same(values_, record)) why.clear();
        // A field the old firmware wrote and this one does not would be lost
        // without a word, even where the store happens to hold its value.
        const std::uint32_t from = WrittenFrom(name);
        if (why.empty() && firmware < from && source_->firmware >= from)
            why = NotWritten(name, firmware, from);
        if (why.empty()) {
            ++it;
            continue;
        }
        dropped.push_back(std::move(why));
        fromFile_.erase(name);
        it = named_.erase(it);
    }
    return dropped;
}

std::vector<std::string> ConfigEdits::NotKept(const PrinterConfig& written, const PrinterConfig& reread,
                                             std::uint32_t firmware) const {
    std::vector<std::string> lost;
    // Only a BtKeep=1 of the command line holds the named Bluetooth items back.
    const bool bluetoothHeldBack = named_.count("BtKeep") && values_.BtKeep == vmsm::BtKeepFor(false);
    for (const std::string& name : named_) {
        // What the firmware does not report cannot be compared.
        if (!vmsm::IsReportedBy(name, firmware) || firmware < WrittenFrom(name)) continue;
        if (vmsm::IsBluetoothField(name) && bluetoothHeldBack) continue;
        if (!FieldOf(name)->Same(written, reread)) lost.push_back(name);
    }
    return lost;
}

namespace {

std::string RangeText(const vmsm::EditRange& range) {
    if (range.codePageList) return "(the firmware's list)";
    if (!range.oneOf.empty()) return JoinNumbers(range.oneOf, "|");
    return std::to_string(range.min) + ".." + std::to_string(range.max);
}

}  // namespace

namespace {

// Each code of the fields that have names for them, one a line, as the windows word them.
std::string ValuesHelp() {
    std::string help = "Values by name (any case; or the code):\n";
    for (const auto& table : {std::span<const vmsm::NumberField>(vmsm::kStoredFields),
                              std::span<const vmsm::NumberField>(vmsm::kUnstoredNumberFields)})
        for (const vmsm::NumberField& field : table)
            for (const WordedValue& w : WordsOf(field.name))
                help += "  " + std::string(field.name) + "=" + std::to_string(w.code) + "  " + w.word + "\n";
    return help + "  Density=" + FirmwareWordsHelp("Density") +
           "\n    (the code each stands for depends on the firmware)\n"
           "Units: TimeOff=30min, TimeSave=60s, CuttingPosition=120units.";
}

}  // namespace

std::string FieldsHelp() {
    // Neighbours with the same values share one range: "BeepPaper, BeepLowBat, CharMode 0..1".
    std::vector<std::string> items;
    std::string pending;
    const auto add = [&](const std::string& name, const std::string& values) {
        pending += (pending.empty() ? "" : ", ") + name;
        if (!values.empty()) items.push_back(pending + " " + values), pending.clear();
    };
    const auto addNumbers = [&](const auto& table) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::string values = RangeText(table[i].edit);
            const bool sharedWithNext = i + 1 < table.size() && RangeText(table[i + 1].edit) == values;
            add(table[i].name, sharedWithNext ? std::string() : values);
        }
    };
    addNumbers(vmsm::kStoredFields);
    items.push_back("StartSentinel[1..3]");
    items.push_back("EndSentinel[1..3]");
    addNumbers(vmsm::kUnstoredNumberFields);
    for (const auto& text : vmsm::kBluetoothTexts)
        items.push_back(std::string(text.name) + " (" + std::to_string(text.maxLength) + ")");

    std::string help = "Fields:";
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : ".");
        if (help.size() - lineStart + 1 + item.size() > 100) {
            help += '\n';
            lineStart = help.size();
        } else {
            help += ' ';
        }
        help += item;
    }
    return help +
           "\nOnly the named fields change; Bluetooth settings are sent only when one of them is named\n"
           "(or BtKeep=0).\n" + ValuesHelp();
}

}  // namespace pelmora::cli
