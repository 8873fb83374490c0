// The printer search is not in the Windows build yet (its connect probe and
// port search are Linux's): the command is there, and says what to do instead.
#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace pelmora::cli {

void AddDiscoverCommand(CLI::App& app, CommandResult& run) {
    auto* cmd = app.add_subcommand("discover", "Search for printers (not in the Windows build yet)");
    cmd->allow_extras();
    cmd->callback([&run] {
        run = [](CliContext&) -> int {
            throw UsageError{"discover is not in the Windows build yet; name the printer with --tcp HOST[:PORT] or "
                             "--serial COMn (`pelmora ports` lists this machine's ports)"};
        };
    });
}

}  // namespace pelmora::cli
