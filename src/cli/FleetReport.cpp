#include "cli/FleetReport.h"

#include <algorithm>

#include "context/FailureCause.h"

namespace pelmora::cli {

std::string ResultWord(int status, bool diff) {
    switch (status) {
    case 0: return "ok";
    case 1: return "failed";
    case 2: return "refused";
    case 3: return diff ? "would change" : "not stored";
    default: return "status " + std::to_string(status);
    }
}

std::string OneLineMessage(const std::string& err) {
    static const std::string prefix = "pelmora: ";
    std::string joined;
    for (std::size_t start = 0; start < err.size();) {
        const std::size_t end = std::min(err.find('\n', start), err.size());
        std::string line = err.substr(start, end - start);
        start = end + 1;
        if (line.rfind(prefix, 0) == 0) line.erase(0, prefix.size());
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        joined += (joined.empty() ? "" : "; ") + line;
    }
    return joined;
}

FailureLines SplitFailure(const std::string& err) {
    FailureLines lines;
    for (std::size_t start = 0; start < err.size();) {
        const std::size_t end = std::min(err.find('\n', start), err.size());
        const std::string line = OneLineMessage(err.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        std::string& part = context::IsCauseText(line) ? lines.cause : lines.error;
        part += (part.empty() ? "" : "; ") + line;
    }
    return lines;
}

std::string SummaryTable(const std::vector<PrinterOutcome>& outcomes, bool diff) {
    const std::string printerHead = "PRINTER", resultHead = "RESULT";
    std::size_t printerWidth = printerHead.size(), resultWidth = resultHead.size();
    for (const auto& o : outcomes) {
        printerWidth = std::max(printerWidth, o.printer.size());
        resultWidth = std::max(resultWidth, ResultWord(o.status, diff).size());
    }
    auto row = [&](const std::string& printer, const std::string& result, const std::string& message) {
        std::string line = printer + std::string(printerWidth - printer.size() + 2, ' ') + result;
        if (!message.empty()) line += std::string(resultWidth - result.size() + 2, ' ') + message;
        return line + '\n';
    };
    std::string table = row(printerHead, resultHead, "MESSAGE");
    for (const auto& o : outcomes) table += row(o.printer, ResultWord(o.status, diff), OneLineMessage(o.err));
    return table;
}

nlohmann::ordered_json SummaryJson(const std::vector<PrinterOutcome>& outcomes, bool diff, bool jsonOutput) {
    auto list = nlohmann::ordered_json::array();
    for (const auto& o : outcomes) {
        // A printer that printed nothing has no output, not an empty text, so
        // that `.output.Field` gives null rather than an error in jq.
        nlohmann::ordered_json output = o.out.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(o.out);
        if (jsonOutput && !o.out.empty()) {
            // A failed printer prints no JSON; its text, if any, stays text.
            auto parsed = nlohmann::ordered_json::parse(o.out, nullptr, false);
            if (!parsed.is_discarded()) output = std::move(parsed);
        }
        nlohmann::ordered_json entry{{"printer", o.printer},
                                     {"result", ResultWord(o.status, diff)},
                                     {"status", o.status},
                                     {"message", OneLineMessage(o.err)},
                                     {"output", std::move(output)}};
        if (o.status == 1 || o.status == 2) {
            const FailureLines lines = SplitFailure(o.err);
            entry["error"] = lines.error;
            entry["cause"] = lines.cause.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(lines.cause);
        }
        list.push_back(std::move(entry));
    }
    return list;
}

int FleetStatus(const std::vector<PrinterOutcome>& outcomes) {
    int worst = 0;
    auto rank = [](int status) { return status == 1 ? 3 : status == 2 ? 2 : status == 0 ? 0 : 1; };
    for (const auto& o : outcomes) {
        const int status = o.status == 0 || o.status == 2 || o.status == 3 ? o.status : 1;
        if (rank(status) > rank(worst)) worst = status;
    }
    return worst;
}

}  // namespace pelmora::cli
