#pragma once
#include <vector>

#include "cli/CliContext.h"
#include "cli/PrinterList.h"

namespace pelmora::cli {

struct FleetOptions {
    int jobs = 4;              ///< printers worked on at once
    bool json = false;         ///< the summary as JSON
    bool commandJson = false;  ///< the command prints JSON: embed it, parsed
    bool diff = false;         ///< `config diff`: status 3 means "would change"
};

/// Runs the command against each printer, `jobs` of them at once, each with a
/// context, link and engines of its own. A printer that fails does not stop
/// the others; Ctrl-C cancels the running jobs and starts no more. Prints each
/// printer's output under its name (its messages on stderr, each line after
/// its name), then the summary table or JSON. Returns FleetStatus.
int RunFleet(CliContext& ctx, const std::vector<PrinterAddress>& printers, const FleetOptions& options,
             const CommandResult& run);

}  // namespace pelmora::cli
