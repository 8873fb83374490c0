#include "cli/CliContext.h"

namespace pelmora::cli {
// Placeholder until `config` lands.
void AddConfigCommand(CLI::App&, CliContext&, CommandResult&) {}
}  // namespace pelmora::cli
