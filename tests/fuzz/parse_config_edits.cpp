// The `config set` inputs: FIELD=VALUE and the JSON file. Bad input is a
// usage error, nothing else; what passes applies to a record.
#include <nlohmann/json.hpp>

#include "HostilePrinter.h"
#include "cli/CliContext.h"
#include "cli/ConfigEdits.h"

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    cli::ConfigEdits edits;
    try {
        if (data[0] & 1) {
            const auto json = nlohmann::json::parse(text, nullptr, false);
            if (json.is_discarded()) return 0;
            edits.SetFromJson(json);
        } else {
            for (std::size_t at = 0; at <= text.size();) {
                const std::size_t end = std::min(text.find('\n', at), text.size());
                edits.SetFromText(text.substr(at, end - at));
                at = end + 1;
            }
            edits.Check();
        }
    } catch (const cli::UsageError& e) {
        fuzz::Check(!e.message.empty(), "a usage error without a message");
        return 0;
    }
    vmsm::PrinterConfig record;
    const vmsm::PrinterConfig before = record;
    const std::uint32_t firmware = data[0] & 2 ? 160902 : 101001;
    if (!edits.ApplyTo(record, firmware, "MPT-Q700VII").empty())
        fuzz::Check(record == before, "a refused edit changed the record");
    return 0;
}
