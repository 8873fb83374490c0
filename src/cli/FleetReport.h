#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace pelmora::cli {

/// How the command ended on one printer of several.
struct PrinterOutcome {
    std::string printer;  ///< as Describe() names it
    int status = 1;       ///< the command's exit status on this printer
    std::string out, err;  ///< what the command printed there
};

/// "ok", "failed", "refused" (bad input, nothing sent), "not stored", or for
/// `config diff` (`diff`) "would change".
std::string ResultWord(int status, bool diff);
/// A command's stderr as one line: its lines joined by "; ", without the
/// program's "pelmora: " prefix.
std::string OneLineMessage(const std::string& err);
/// A failed command's stderr as its message and its cause (the lines that are
/// texts of the cause table), each joined by "; ".
struct FailureLines {
    std::string error, cause;
};
FailureLines SplitFailure(const std::string& err);
/// Printer, result and message, one printer a line under a header, aligned.
std::string SummaryTable(const std::vector<PrinterOutcome>& outcomes, bool diff);
/// One object per printer: printer, result, status, message and output (the
/// command's JSON when `jsonOutput` and it parses, its text otherwise, null
/// when it printed nothing); a failed or refused printer also carries
/// `error` and `cause` (null when there is none).
nlohmann::ordered_json SummaryJson(const std::vector<PrinterOutcome>& outcomes, bool diff, bool jsonOutput);
/// 0 when every printer succeeded; else the gravest status among them:
/// 1 (a printer failed) before 2 (input refused) before 3.
int FleetStatus(const std::vector<PrinterOutcome>& outcomes);

}  // namespace pelmora::cli
