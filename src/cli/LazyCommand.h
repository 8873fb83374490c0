#pragma once
#include <functional>
#include <string>

namespace CLI { class App; }

namespace pelmora::cli {

/// Adds the command `name` to `parent` with its description, and has `build`
/// add its options and subcommands only once the command line names it: the
/// whole tree, with its checks and help texts, would otherwise be built at
/// every start, `--version` included. Help lists the command as before.
CLI::App* AddLazyCommand(CLI::App& parent, const std::string& name, const std::string& description,
                         std::function<void(CLI::App&)> build);

}  // namespace pelmora::cli
