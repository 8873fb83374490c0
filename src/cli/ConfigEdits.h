#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "vmsm/PrinterConfig.h"

namespace pelmora::cli {

/// The changes `config set` makes: values for the named fields only. Every
/// method that takes input throws UsageError for a bad name or value, so that
/// nothing is sent before all of it has been checked. A value of a settings
/// file may be anything the record can hold (a factory printer's flow control
/// 0, say), so that what `config get --json` printed always goes back; on the
/// command line a value the editors would not offer is accepted only when it
/// is what the printer already holds.
class ConfigEdits {
public:
    /// FIELD=VALUE; sentinels as StartSentinel[1]=%. Texts are UTF-8 of Latin-1 bytes.
    void SetFromText(const std::string& assignment);
    /// A `config get --json` object; unknown keys are errors. Its "printer"
    /// names the model and firmware the settings were read from; what that
    /// firmware does not report, and "BtKeep" of older files, are passed over.
    void SetFromJson(const nlohmann::json& object);
    /// What can be checked before connecting: the editors' ranges, except that
    /// a number the record can hold and a text from the file may be what the
    /// printer holds; those, and CodePage's list, wait for the printer.
    void Check() const;

    /// Empty, or why a printer of `modelName` is not the one the file was read from.
    std::string ModelProblem(const std::string& modelName) const;

    /// Copies the named fields into `record` after GetStatus. BtKeep becomes 0
    /// (Bluetooth sent) when a Bluetooth field is named on the command line, or
    /// comes from a file with a value the printer does not hold; else 1. A
    /// named BtKeep wins.
    /// On firmware that reports no Bluetooth items they start at the editors'
    /// values. Returns an error text (nothing changed) when CodePage is not in
    /// the firmware's code-page list, or a value is out of the editors' range
    /// and not what the printer holds. When the file came from other firmware,
    /// every field is checked and each one that does not fit has its line.
    std::string ApplyTo(vmsm::PrinterConfig& record, std::uint32_t firmware, const std::string& modelName) const;

    /// For settings read from other firmware than `firmware` (a firmware update
    /// that keeps the settings): takes out each field this firmware cannot
    /// hold or does not write, so that the rest can go, and returns a line
    /// naming each and why. Nothing for settings read from this firmware.
    std::vector<std::string> DropUnfit(const vmsm::PrinterConfig& record, std::uint32_t firmware);

    /// The named fields whose value in `reread` is not the one `written` sent,
    /// leaving out what `firmware` does not write or report.
    std::vector<std::string> NotKept(const vmsm::PrinterConfig& written, const vmsm::PrinterConfig& reread,
                                     std::uint32_t firmware) const;

    /// Turns words whose code depends on the firmware ("Density=140%") into
    /// that code for `firmware`; an error text (nothing changed) for a word
    /// that is none of the field's.
    std::string ResolveWords(std::uint32_t firmware);

    bool empty() const { return named_.empty(); }
    const std::set<std::string>& named() const { return named_; }

private:
    void SetNumber(const std::string& name, std::uint32_t value, bool fromFile);
    void SetText(const std::string& name, const std::string& latin1, bool fromFile);
    void SetSource(const nlohmann::json& printer);
    /// Empty when the value of `name` is one the editors allow (0 firmware: CodePage unchecked).
    std::string Problem(const std::string& name, std::uint32_t firmware) const;

    vmsm::PrinterConfig values_;
    std::set<std::string> named_;
    std::set<std::string> fromFile_;
    std::map<std::string, std::string> worded_;  ///< words that wait for the firmware
    struct Source {
        std::string modelName;  ///< Latin-1
        std::uint32_t firmware = 0;
    };
    std::optional<Source> source_;
};

/// The fields `config set` can name with the values it takes, for its help.
std::string FieldsHelp();

}  // namespace pelmora::cli
