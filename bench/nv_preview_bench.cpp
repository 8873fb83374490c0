// The NV manager's preview for the largest image the printer takes
// (384 x 1365) and a large photo (2000 x 3000), in a 300-pixel frame:
// - Select: what the worker does once per selected row: decode the file and
//   scale it for the frame;
// - SelectInWindow: a real preview widget selecting the file, until the
//   picture arrives, with the UI thread ticking every millisecond meanwhile;
//   ui_gap_ms is the largest gap between two ticks;
// - Repaint: scaling and brightening the decoded picture (a new frame size);
// - Brighten: a slider step, the scaled picture cached;
// - AsPrinted: the one-bit raster a download sends, scaled to the frame.
// Aim: select and brighten the first within one 60 Hz frame (16 ms); the
// window keeps painting (UI gap at most 50 ms) while the second loads.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include <QApplication>
#include <QImage>
#include <QTimer>

#include "nv/ImageLoader.h"
#include "nv/RasterConversion.h"
#include "windows/nv_images/NvPreview.h"
#include "windows/nv_images/NvPreviewImage.h"

namespace {

using namespace pelmora;

constexpr int kFrameWidth = 300;

std::string PhotoFile(int width, int height) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("nv-preview-bench-" + std::to_string(width) + "x" + std::to_string(height) + ".bmp");
    if (!std::filesystem::exists(path)) {
        QImage image(width, height, QImage::Format_RGB32);
        std::mt19937 random(7);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) image.setPixel(x, y, random() & 0xFFFFFF);
        image.save(QString::fromStdString(path.string()), "BMP");
    }
    return path.string();
}

void Select(benchmark::State& state, int width, int height) {
    const std::string file = PhotoFile(width, height);
    for (auto _ : state) benchmark::DoNotOptimize(ui::ScaledPreview(ui::ToQImage(*nv::LoadImageFile(file)), kFrameWidth));
}

void SelectInWindow(benchmark::State& state, int width, int height) {
    const QString file = QString::fromStdString(PhotoFile(width, height));
    ui::NvPreview preview;
    preview.resize(kFrameWidth, 400);
    using Clock = std::chrono::steady_clock;
    double worstGap = 0;
    for (auto _ : state) {
        preview.SetPath({});
        Clock::time_point last = Clock::now();
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            worstGap = std::max(worstGap, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
        });
        ticker.start(1);
        preview.SetPath(file);
        while (preview.Loading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        benchmark::DoNotOptimize(preview.Rendered());
    }
    state.counters["ui_gap_ms"] = worstGap;
}

void Repaint(benchmark::State& state, int width, int height) {
    const QImage decoded = ui::ToQImage(*nv::LoadImageFile(PhotoFile(width, height)));
    for (auto _ : state) benchmark::DoNotOptimize(ui::Brightened(ui::ScaledPreview(decoded, kFrameWidth), 40));
}

void Brighten(benchmark::State& state, int width, int height) {
    const QImage scaled = ui::ScaledPreview(ui::ToQImage(*nv::LoadImageFile(PhotoFile(width, height))), kFrameWidth);
    int brightness = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ui::Brightened(scaled, ++brightness % 101));
}

void AsPrinted(benchmark::State& state, int width, int height) {
    const nv::RgbImage bitmap = *nv::LoadImageFile(PhotoFile(width, height));
    int brightness = 0;
    for (auto _ : state) {
        const nv::RasterResult converted = nv::ConvertToRaster(bitmap, ++brightness % 101);
        benchmark::DoNotOptimize(ui::PrintedPreview(converted.raster, kFrameWidth));
    }
}

}  // namespace

BENCHMARK_CAPTURE(Select, printer_max_384x1365, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Select, photo_2000x3000, 2000, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelectInWindow, printer_max_384x1365, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelectInWindow, photo_2000x3000, 2000, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Repaint, printer_max_384x1365, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Repaint, photo_2000x3000, 2000, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Brighten, printer_max_384x1365, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Brighten, photo_2000x3000, 2000, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AsPrinted, printer_max_384x1365, 384, 1365)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AsPrinted, photo_2000x3000, 2000, 3000)->Unit(benchmark::kMillisecond);
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
