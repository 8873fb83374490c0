#pragma once
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "context/SettingsStore.h"
#include "sim/ConfigHandler.h"
#include "sim/VirtualPlatform.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora::test {

using Result = CliRun;

/// The command line against an in-process printer, with a store of its own.
struct ConfigCli {
    test::TempDir dir;
    sim::PrinterModel printer;
    sim::VirtualPlatform platform{printer};

    ConfigCli() { ::setenv("PELMORA_REGISTRY", (dir / "registry.reg").c_str(), 1); }
    ~ConfigCli() { ::unsetenv("PELMORA_REGISTRY"); }

    sim::PrinterSettings& held() { return printer.Handler<sim::ConfigHandler>()->settings; }
    context::SettingsStore store() { return context::SettingsStore(dir / "registry.reg"); }
    std::vector<std::string> Stored() { return store().ValueNames(context::ProductKey); }
    bool Logged(const std::string& key) const {
        const auto& log = printer.commandLog();
        return std::find(log.begin(), log.end(), key) != log.end();
    }

    /// `pelmora config ARGS` on the in-process printer.
    Result Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--tcp", "127.0.0.1:9100", "config"});
        return RunPelmora(std::move(args));
    }

    /// `pelmora ARGS`, the connection as ARGS or the store give it, through `on`
    /// (the in-process printer's platform unless given); `out` replaces the captured output.
    Result RunPelmora(std::vector<std::string> args, link::Platform* on = nullptr, std::ostream* out = nullptr) {
        args.insert(args.begin(), "pelmora");
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        std::ostringstream captured, err;
        const int status = cli::RunPelmora(static_cast<int>(argv.size()), argv.data(), out ? *out : captured, err,
                                           on ? on : &platform);
        return {status, captured.str(), err.str()};
    }
};

}  // namespace pelmora::test
