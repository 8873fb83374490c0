#include "cli/CliContext.h"

namespace pelmora::cli {
// Placeholder until `ports` lands.
void AddPortsCommand(CLI::App&, CliContext&, CommandResult&) {}
}  // namespace pelmora::cli
