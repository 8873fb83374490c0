#include "cli/CliContext.h"

namespace pelmora::cli {
// Placeholder until `nv` lands.
void AddNvCommand(CLI::App&, CliContext&, CommandResult&) {}
}  // namespace pelmora::cli
