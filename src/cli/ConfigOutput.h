#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "vmsm/PrinterConfig.h"

namespace pelmora::context { class PrinterContext; }

namespace pelmora::cli {

/// The record under its field names, texts as Latin-1 code points, with the
/// printer's identity under "printer". `config set --from` reads it back.
/// Only what the printer's firmware reports is there: the rest of the record
/// comes from the store or the editors, not from this printer.
nlohmann::ordered_json ConfigToJson(const vmsm::PrinterConfig& config, const context::PrinterContext& printer);

/// What text output shows instead of a secret (the Bluetooth PIN); the same
/// whatever the secret's length, so that not even that leaks.
inline constexpr const char* kMaskedSecret = "********";
/// Fields whose values are secrets: masked in every text, diff and log
/// unless the operator asks for them (`--show-secrets`). JSON backups keep them.
bool IsSecretField(const std::string& field);

/// One setting for people: its field name (sentinels as "StartSentinel[1]"),
/// the windows' label and the value as they word it, a secret masked unless
/// `revealSecrets`. Fields the firmware does not report have no line.
struct ConfigLine {
    std::string field;
    std::string label;
    std::string value;
};
std::vector<ConfigLine> ConfigLines(const vmsm::PrinterConfig& config, const context::PrinterContext& printer,
                                    bool revealSecrets = false);

/// "label<padding>: value\n", as `config get` aligns it.
std::string LabelledLine(const std::string& label, const std::string& value);

/// The record for people: one line per field, labelled and worded as the
/// desktop's memory-switch pages show it.
std::string ConfigReport(const vmsm::PrinterConfig& config, const context::PrinterContext& printer,
                         bool revealSecrets = false);

}  // namespace pelmora::cli
