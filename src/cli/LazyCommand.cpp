#include "cli/LazyCommand.h"

#include <CLI/CLI.hpp>

namespace pelmora::cli {

CLI::App* AddLazyCommand(CLI::App& parent, const std::string& name, const std::string& description,
                         std::function<void(CLI::App&)> build) {
    CLI::App* command = parent.add_subcommand(name, description);
    // CLI11 calls this as it meets the name, before it reads the command's own arguments.
    command->preparse_callback([command, build = std::move(build)](std::size_t) { build(*command); });
    return command;
}

}  // namespace pelmora::cli
