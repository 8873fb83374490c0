// How responsive the job window stays while a job talks to a printer. Starts
// pelmora-sim on loopback and runs `GetStatus` in the desktop progress window
// (real worker thread, real timers) several times. A 10 ms timer on the UI
// thread records the largest gap between two of its ticks during each job:
// the time the UI thread could not answer. The longest phase is printed too:
// it is what a driver running phases on the UI thread would freeze for.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QTimer>

#include "context/PrinterContext.h"
#include "link/RealPlatform.h"
#include "link/Trace.h"
#include "support/SimProcess.h"
#include "ui/JobProgressDialog.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/VmsmJobRunner.h"

using namespace pelmora;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 3;
constexpr int kTickMs = 10;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct RunFigures {
    double maxGapMs = 0;
    double longestPhaseMs = 0;
    double wallMs = 0;
    bool ok = false;
};

RunFigures RunOnce(context::PrinterContext& util) {
    RunFigures figures;
    ui::JobProgressDialog dialog(context::Layout::Desktop);
    vmsm::MemorySwitchEngine engine(util);
    vmsm::VmsmJobRunner runner(engine, dialog.view(), vmsm::VmsmJob::GetStatus);

    Clock::time_point lastTick = Clock::now();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        figures.maxGapMs = std::max(figures.maxGapMs, Ms(now - lastTick));
        lastTick = now;
    });
    Clock::time_point phaseStart{};
    // A phase ends when the next one starts or the window ends.
    auto phaseEnded = [&] {
        if (phaseStart != Clock::time_point{})
            figures.longestPhaseMs = std::max(figures.longestPhaseMs, Ms(Clock::now() - phaseStart));
    };
    QObject::connect(&dialog, &ui::JobProgressDialog::phaseStarted, [&](int) {
        phaseEnded();
        phaseStart = Clock::now();
    });

    const auto start = Clock::now();
    lastTick = start;
    ticker.start(kTickMs);
    figures.ok = dialog.Run(runner) == context::JobEnd::Ok;
    phaseEnded();
    ticker.stop();
    figures.wallMs = Ms(Clock::now() - start);
    if (util.link().IsOpen()) util.link().ClosePort();
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    test::SimProcess sim({"--latency", "1"});
    link::NullTrace trace;
    link::RealPlatform platform([](const std::string& name) { return name; }, trace);
    context::PrinterContext util(platform);
    link::CommSettings settings;
    settings.portType = link::PortTcp;
    settings.port = link::NetPort("127.0.0.1");
    settings.baudRate = sim.port();
    util.HandOver(settings);

    double worstGap = 0, longestPhase = 0;
    std::printf("GetStatus in the progress window against pelmora-sim on loopback, %d runs\n", kRuns);
    for (int run = 0; run < kRuns; ++run) {
        const RunFigures f = RunOnce(util);
        if (!f.ok) {
            std::fprintf(stderr, "the job did not end OK\n");
            return 1;
        }
        std::printf("run %d: job %.0f ms, longest phase %.0f ms, largest UI tick gap %.1f ms\n", run + 1, f.wallMs,
                    f.longestPhaseMs, f.maxGapMs);
        worstGap = std::max(worstGap, f.maxGapMs);
        longestPhase = std::max(longestPhase, f.longestPhaseMs);
    }
    std::printf("largest gap between two %d ms UI ticks while a job ran: %.1f ms (aim: at most 50 ms)\n", kTickMs,
                worstGap);
    std::printf("longest phase (a UI-thread driver would freeze this long): %.0f ms\n", longestPhase);
    return 0;
}
