// How much longer `pelmora config get` takes against 8 virtual printers at
// once (--jobs 8) than against one; the aim is at most 1.2 x. Each printer is
// a pelmora-sim process on loopback; the real `pelmora` runs each way a few
// times and the medians are compared.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace {

constexpr int kPrinters = 8;
constexpr int kRuns = 3;

// Median wall time in ms of `args`, or a negative number when a run failed.
double MedianMs(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
    std::vector<double> wall;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = pelmora::test::RunProgram(PELMORA_CLI_PATH, args, env);
        const auto end = std::chrono::steady_clock::now();
        if (result.status != 0) {
            std::fprintf(stderr, "pelmora failed with %d: %s\n", result.status, result.err.c_str());
            return -1;
        }
        wall.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(wall.begin(), wall.end());
    return wall[wall.size() / 2];
}

}  // namespace

int main() {
    pelmora::test::TempDir dir;
    const std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
    std::vector<std::unique_ptr<pelmora::test::SimProcess>> sims;
    std::vector<std::string> fleet;
    for (int i = 0; i < kPrinters; ++i) {
        sims.push_back(std::make_unique<pelmora::test::SimProcess>());
        fleet.insert(fleet.end(), {"--tcp", sims.back()->address()});
    }
    const std::vector<std::string> command{"config", "get", "--json"};
    std::vector<std::string> oneArgs{"--tcp", sims.front()->address()};
    oneArgs.insert(oneArgs.end(), command.begin(), command.end());
    std::vector<std::string> allArgs = fleet;
    allArgs.insert(allArgs.end(), {"--jobs", std::to_string(kPrinters)});
    allArgs.insert(allArgs.end(), command.begin(), command.end());

    const double one = MedianMs(oneArgs, env);
    const double all = MedianMs(allArgs, env);
    if (one <= 0 || all <= 0) return 1;
    std::printf("pelmora config get on loopback pelmora-sim, median of %d runs\n", kRuns);
    std::printf("one printer: %.0f ms; %d printers with --jobs %d: %.0f ms\n", one, kPrinters, kPrinters, all);
    std::printf("ratio %d printers / one: %.3f (aim: at most 1.2)\n", kPrinters, all / one);
    return 0;
}
