#include "cli/ConfigDiff.h"

#include "cli/ConfigOutput.h"
#include "context/PrinterContext.h"

namespace pelmora::cli {

namespace {

// The raw value under a line's field name; sentinel tracks sit in arrays.
nlohmann::ordered_json RawValue(const nlohmann::ordered_json& record, const std::string& field) {
    const auto bracket = field.find('[');
    if (bracket == std::string::npos) return record.at(field);
    const std::size_t track = static_cast<std::size_t>(field[bracket + 1] - '1');
    return record.at(field.substr(0, bracket)).at(track);
}

}  // namespace

std::vector<FieldChange> DiffConfigs(const vmsm::PrinterConfig& printerHolds, const vmsm::PrinterConfig& toWrite,
                                     const context::PrinterContext& printer, bool revealSecrets) {
    const auto before = ConfigToJson(printerHolds, printer);
    const auto after = ConfigToJson(toWrite, printer);
    const auto beforeLines = ConfigLines(printerHolds, printer, revealSecrets);
    const auto afterLines = ConfigLines(toWrite, printer, revealSecrets);
    std::vector<FieldChange> changes;
    for (std::size_t i = 0; i < beforeLines.size(); ++i) {
        const std::string& field = beforeLines[i].field;
        auto was = RawValue(before, field);
        auto will = RawValue(after, field);
        if (was == will) continue;
        if (!revealSecrets && IsSecretField(field)) was = will = kMaskedSecret;
        changes.push_back({field, beforeLines[i].label, beforeLines[i].value, afterLines[i].value, std::move(was),
                           std::move(will)});
    }
    return changes;
}

std::string ChangesReport(const std::vector<FieldChange>& changes) {
    if (changes.empty()) return "No setting would change.\n";
    std::string out;
    for (const FieldChange& c : changes) out += LabelledLine(c.label, c.printerText + " -> " + c.newText);
    return out;
}

nlohmann::ordered_json ChangesToJson(const std::vector<FieldChange>& changes) {
    auto list = nlohmann::ordered_json::array();
    for (const FieldChange& c : changes)
        list.push_back({{"field", c.field},
                        {"label", c.label},
                        {"printer", c.printerText},
                        {"new", c.newText},
                        {"printerValue", c.printerValue},
                        {"newValue", c.newValue}});
    return {{"changes", list}};
}

}  // namespace pelmora::cli
