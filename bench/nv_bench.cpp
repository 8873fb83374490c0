// NV image benchmarks: the conversion in megapixels per second, and
// `pelmora nv download` of three images against pelmora-sim on loopback as
// the ratio of its wall time to the floor of the pauses and timers it must
// wait through (worked out below from the job's steps, not measured).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>


#include "nv/BitmapLoader.h"
#include "nv/RasterConversion.h"
#include "support/ImageFiles.h"

namespace {

using namespace pelmora::nv;

RgbImage Photo(std::uint32_t width, std::uint32_t height) {
    RgbImage image(width, height);
    std::mt19937 random(7);
    for (auto& pixel : image.pixels) pixel = random() & 0xFFFFFF;
    return image;
}

void Convert(benchmark::State& state, std::uint32_t width, std::uint32_t height) {
    const RgbImage image = Photo(width, height);
    for (auto _ : state) benchmark::DoNotOptimize(ConvertToRaster(image, 50));
    state.counters["Mpixel"] = benchmark::Counter(static_cast<double>(width) * height / 1e6 * state.iterations(),
                                                benchmark::Counter::kIsRate);
}

std::filesystem::path TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "nv-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data());
}

void LoadAndConvert(benchmark::State& state, int width, int height) {
    const auto dir = TempFolder();
    const auto path = (dir / "photo.bmp").string();
    RgbImage image(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    std::mt19937 random(7);
    for (std::uint32_t& p : image.pixels) p = random() & 0xFFFFFF;
    pelmora::test::WriteBytes(path, pelmora::test::Bmp24(image));
    for (auto _ : state) benchmark::DoNotOptimize(ConvertToRaster(*LoadBitmapFile(path), 50));
    state.counters["Mpixel"] = benchmark::Counter(static_cast<double>(width) * height / 1e6 * state.iterations(),
                                                benchmark::Counter::kIsRate);
    std::filesystem::remove_all(dir);
}

// ---- nv download against pelmora-sim ----------------------------------------

constexpr int kImages = 3;
constexpr int kWidth = 384;
constexpr int kHeight = 300;

/// Milliseconds the whole `nv download` must wait at the least: every timer
/// (100 ms unless named), every progress step (2 ms unless named), the
/// key-code pause (150 ms), the 1000 ms between raster definitions, the
/// 200 ms before the list is read again, and 10 ms per write and read.
double DownloadFloorMs(const std::vector<std::size_t>& blocks) {
    constexpr double io = 10, step = 2, timer = 100;
    const double makerCheck = 5 * step + 2 * io + 5 * step;
    const double listRead = io + 150 + io + io;  // request, pause, one read, ACK
    auto fill = [&](int position) { return position < 100 ? (100 - position) * step : 0.0; };

    // ReadAddresses as the manager opens: open, check, read, finish.
    const double open = timer + 5 * step + makerCheck + timer + listRead + 20 * step + timer + fill(35);

    double total = 0;
    for (auto b : blocks) total += static_cast<double>(b);
    double download = timer + makerCheck + timer + 5 * step + timer;
    int position = 5 + 5 + 5;
    for (auto b : blocks) {
        const int share = static_cast<int>(static_cast<float>(static_cast<double>(b) / total * 70.0));
        download += std::ceil(static_cast<double>(b) / 4096.0) * io + share * step + 1000;
        position += share;
    }
    download += 5 * 500 + timer + fill(position + 5);

    // ReadAddresses again after 200 ms, on the open and checked link.
    const double refresh = timer + timer + listRead + 20 * step + timer + fill(20);
    return open + download + 200 + refresh;
}

struct Process {
    pid_t pid = -1;
    int out = -1;
};

Process Spawn(const std::vector<std::string>& args) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    return {pid, pipeFds[0]};
}

std::string ReadLine(int fd) {
    std::string line;
    char c;
    while (::read(fd, &c, 1) == 1 && c != '\n') line.push_back(c);
    return line;
}

void NvDownloadAgainstSim(benchmark::State& state) {
    const auto dir = TempFolder();
    ::setenv("PELMORA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    std::vector<std::string> files;
    for (int i = 0; i < kImages; ++i) {
        files.push_back((dir / ("logo" + std::to_string(i) + ".bmp")).string());
        const pelmora::nv::RgbImage image(kWidth, kHeight, i % 2 ? 0x000000 : 0x808080);
        pelmora::test::WriteBytes(files.back(), pelmora::test::Bmp24(image));
    }
    const std::size_t block = 16 + (kWidth + 7) / 8 * static_cast<std::size_t>(kHeight);
    const double floor = DownloadFloorMs(std::vector<std::size_t>(kImages, block));

    double worst = 0, sum = 0;
    int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Process sim = Spawn({PELMORA_SIM_PATH, "--listen", "127.0.0.1:0"});
        const std::string listening = ReadLine(sim.out);
        const std::string address = listening.substr(listening.rfind(' ') + 1);
        std::vector<std::string> args{PELMORA_CLI_PATH, "--tcp", address, "nv", "download", "--auto"};
        args.insert(args.end(), files.begin(), files.end());
        state.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        Process cli = Spawn(args);
        while (!ReadLine(cli.out).empty()) {}
        int status = 0;
        ::waitpid(cli.pid, &status, 0);
        const double wall =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

        state.PauseTiming();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("nv download failed");
        ::close(cli.out);
        ::kill(sim.pid, SIGTERM);
        ::waitpid(sim.pid, nullptr, 0);
        ::close(sim.out);
        worst = std::max(worst, wall / floor);
        sum += wall;
        ++runs;
        state.ResumeTiming();
    }
    state.counters["floor_ms"] = floor;
    state.counters["wall_ms"] = runs ? sum / runs : 0;
    state.counters["ratio"] = runs ? sum / runs / floor : 0;
    state.counters["worst_ratio"] = worst;
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK_CAPTURE(Convert, 384x1365, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Convert, 2000x3000, 2000, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadAndConvert, 384x1365_bmp, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadAndConvert, 2000x3000_bmp, 2000, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK(NvDownloadAgainstSim)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
