#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "vmsm/PrinterConfig.h"

namespace pelmora::context { class PrinterContext; }

namespace pelmora::cli {

/// One setting a write would change, worded as `config get` prints it, with
/// the raw values for scripts.
struct FieldChange {
    std::string field;
    std::string label;
    std::string printerText, newText;
    nlohmann::ordered_json printerValue, newValue;
};

/// The settings that differ between what the printer holds and what would be
/// written, in `config get`'s order. BtKeep is an instruction, not a setting.
/// A secret's texts and raw values are masked unless `revealSecrets`: the
/// change is named, its values are not.
std::vector<FieldChange> DiffConfigs(const vmsm::PrinterConfig& printerHolds, const vmsm::PrinterConfig& toWrite,
                                     const context::PrinterContext& printer, bool revealSecrets = false);

/// One line per change: "label: old -> new", or a line saying nothing changes.
std::string ChangesReport(const std::vector<FieldChange>& changes);
nlohmann::ordered_json ChangesToJson(const std::vector<FieldChange>& changes);

}  // namespace pelmora::cli
