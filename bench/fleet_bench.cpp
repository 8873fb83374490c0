// `pelmora config get` and `config set --from` against 500 virtual printers
// with --jobs 64, against the aim of 1.1 x ceil(500 / 64) x one printer's time,
// and pelmora's peak resident memory (aim: below 200 MB). The printers are one
// `pelmora-sim --count 500` on loopback.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace {

constexpr int kPrinters = 500;
constexpr int kJobs = 64;
constexpr int kOneRuns = 5;
constexpr int kFleetTimeoutSeconds = 1200;

struct Timed {
    double ms = -1;
    pelmora::test::CliRun run;
};

Timed Run(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
    const auto start = std::chrono::steady_clock::now();
    Timed timed{0, pelmora::test::RunProgram(PELMORA_CLI_PATH, args, env, kFleetTimeoutSeconds)};
    timed.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (timed.run.status != 0) {
        std::fprintf(stderr, "pelmora failed with %d: %.2000s\n", timed.run.status, timed.run.err.c_str());
        timed.ms = -1;
    }
    return timed;
}

double MedianMs(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
    std::vector<double> wall;
    for (int i = 0; i < kOneRuns; ++i) wall.push_back(Run(args, env).ms);
    std::sort(wall.begin(), wall.end());
    return wall.front() < 0 ? -1 : wall[wall.size() / 2];
}

// The largest resident set of the children waited for so far, in MB.
double PeakChildMb() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Every printer of the fleet answered, each with an object of its own.
bool AllAnswered(const std::string& out) {
    const auto list = nlohmann::json::parse(out, nullptr, false);
    if (!list.is_array() || list.size() != kPrinters) return false;
    return std::all_of(list.begin(), list.end(), [](const auto& p) { return p.value("result", "") == "ok"; });
}

}  // namespace

int main() {
    pelmora::test::TempDir dir;
    const std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
    pelmora::test::SimProcess sim({"--count", std::to_string(kPrinters)});
    std::vector<std::string> fleet;
    for (int i = 0; i < kPrinters; ++i) fleet.insert(fleet.end(), {"--tcp", "127.0.0.1:" + std::to_string(sim.port() + i)});
    fleet.insert(fleet.end(), {"--jobs", std::to_string(kJobs), "--json"});
    auto with = [](std::vector<std::string> args, const std::vector<std::string>& command) {
        args.insert(args.end(), command.begin(), command.end());
        return args;
    };

    const std::vector<std::string> get{"config", "get", "--json"};
    const auto profile = (dir / "profile.json").string();
    {
        const auto read = Run(with({"--tcp", sim.address()}, get), env);
        auto settings = nlohmann::json::parse(read.run.out, nullptr, false);
        if (read.ms < 0 || !settings.is_object()) return 1;
        settings["TimeOff"] = settings.value("TimeOff", 0) == 30 ? 20 : 30;
        std::ofstream(profile) << settings.dump();
    }
    const std::vector<std::string> set{"config", "set", "--from", profile};
    const double oneGet = MedianMs(with({"--tcp", sim.address()}, get), env);
    const double oneSet = MedianMs(with({"--tcp", sim.address()}, set), env);
    if (oneGet < 0 || oneSet < 0) return 1;
    const double onePeak = PeakChildMb();

    const auto fleetGet = Run(with(fleet, get), env);
    const double getPeak = PeakChildMb();
    const auto fleetSet = Run(with(fleet, set), env);
    const double setPeak = PeakChildMb();
    if (fleetGet.ms < 0 || fleetSet.ms < 0 || !AllAnswered(fleetGet.run.out) || !AllAnswered(fleetSet.run.out)) return 1;

    const double rounds = (kPrinters + kJobs - 1) / kJobs;
    std::printf("pelmora against one pelmora-sim --count %d on loopback; one printer: median of %d runs\n", kPrinters,
                kOneRuns);
    for (const auto& [name, one, all, peak] :
         {std::tuple{"config get", oneGet, fleetGet.ms, getPeak}, std::tuple{"config set --from", oneSet, fleetSet.ms, setPeak}}) {
        std::printf("%-17s one printer %6.0f ms; %d printers with --jobs %d: %7.0f ms = %.2f x %g rounds x one "
                    "(aim: at most 1.1); peak RSS so far %.0f MB\n",
                    name, one, kPrinters, kJobs, all, all / (rounds * one), rounds, peak);
    }
    std::printf("peak RSS of a one-printer run: %.0f MB (aim for the fleet runs: below 200 MB)\n", onePeak);
    return 0;
}
