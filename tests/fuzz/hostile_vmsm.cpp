// The memory-switch jobs against a hostile printer: GetStatus, SetStatus and
// FactoryDefault in both programs, through the whole configuration flow on a
// standard firmware (identification included) and through the runner alone on
// a legacy one.
#include <set>
#include <string>

#include "HostilePrinter.h"
#include "context/PrinterContext.h"
#include "context/SettingsStore.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/ConfigJobFlow.h"
#include "vmsm/VmsmJobRunner.h"

namespace pelmora::fuzz {
namespace {

using context::Layout;

constexpr int kAllPhases[] = {vmsm::phase::GetEntry,     vmsm::phase::SetEntry,     vmsm::phase::FactoryEntry,
                              vmsm::phase::StandardRead, vmsm::phase::StandardWrite, vmsm::phase::LegacyRead,
                              vmsm::phase::LegacyWrite};

// An operation collects at most a few replies; a collection ends after 2 reads
// and 10 resends on silence, or on its 2 s limit, whatever the printer does.
constexpr std::uint64_t kCollectionsPerOp = 4;
std::uint64_t WorstOpMs(std::uint64_t worstRead) {
    return kCollectionsPerOp * (12 * worstRead + 2000 + 12 * 10) + kLinkOpenCloseMs;
}

// Every pause, progress step and timer delay of every phase table, with the
// worst case of each operation: a bound for one runner whatever the job.
std::uint64_t SumRunnerBoundMs(std::uint64_t worstRead) {
    std::uint64_t total = vmsm::kOpenDelayMs;
    for (int number : kAllPhases) {
        const vmsm::PhaseTable* table = vmsm::FindPhase(number);
        Check(table != nullptr, "a job phase has no table");
        for (const vmsm::PhaseRow& row : table->rows) {
            const auto steps = static_cast<std::uint64_t>(row.stepsBefore + row.stepsAfter + row.slowSteps);
            total += steps * vmsm::kStepPauseMs + static_cast<std::uint64_t>(row.slowSteps) * row.slowPauseMs +
                     row.pauseMs + row.armDelayMs + (row.op != vmsm::Op::None ? WorstOpMs(worstRead) : 0);
        }
    }
    return total;
}

// The bound depends only on the port type; summed once for each.
std::uint64_t RunnerBoundMs(std::int32_t portType) {
    static const std::uint64_t bounds[4] = {SumRunnerBoundMs(WorstReadMs(0)), SumRunnerBoundMs(WorstReadMs(1)),
                                            SumRunnerBoundMs(WorstReadMs(2)), SumRunnerBoundMs(WorstReadMs(3))};
    return bounds[portType & 3];
}

const std::set<std::string>& KnownMessages() {
    static const std::set<std::string> known = [] {
        std::set<std::string> texts{""};
        for (int number : kAllPhases)
            for (const vmsm::PhaseRow& row : vmsm::FindPhase(number)->rows) {
                if (row.desktopMessage) texts.insert(row.desktopMessage);
                if (row.handheldMessage) texts.insert(row.handheldMessage);
            }
        return texts;
    }();
    return known;
}

constexpr const char* kStoreText =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\r\n\"Density\"=dword:00000003\r\n\r\n";

}  // namespace
}  // namespace pelmora::fuzz

using namespace pelmora;
using namespace pelmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    const int job = setup % 3;                       // get, set, factory default
    const context::Layout variant = (setup >> 2) & 1 ? context::Layout::Handheld : context::Layout::Desktop;
    const bool legacy = (setup >> 3) & 1;
    const auto portType = static_cast<std::int32_t>((setup >> 4) & 3);

    sim::PrinterModel printer;
    HostilePlatform platform(printer, in);
    context::PrinterContext util(platform);
    vmsm::MemorySwitchEngine engine(util);
    context::ProgressView view;
    util.link().setLayout(variant);
    util.HandOver(SettingsFor(portType));
    const std::uint64_t worstRead = WorstReadMs(portType);
    const std::uint64_t inputMs = size * (worstRead + 10);

    if (!legacy) {
        const auto store = ScratchDir() / "vmsm.reg";
        ResetFile(store, kStoreText);
        context::SettingsStore settings(store);
        const vmsm::EditChoice choice =
            job == 0 ? vmsm::EditChoice::Cancel : job == 1 ? vmsm::EditChoice::Save : vmsm::EditChoice::Default;
        const vmsm::ConfigJob flow{settings, view,
                                   [&](context::JobRunner& r) { return context::DriveJob(r, platform.clock()); },
                                   [&](vmsm::MemorySwitchEngine&) { return choice; }, variant};
        const vmsm::JobReport report = vmsm::RunConfigJob(engine, flow);

        Check(platform.Now() <= 2 * RunnerBoundMs(portType) + inputMs, "the job outlasted its bound");
        Check(IsKnownMessage(KnownMessages(), report.stepMessage), "unknown message: " + report.stepMessage);
        const bool mayStayOpen = variant == context::Layout::Handheld && report.outcome == vmsm::JobOutcome::NotWritten;
        Check(mayStayOpen || !util.link().IsOpen(), "the link stayed open after the job");
        if (report.outcome != vmsm::JobOutcome::Written)
            Check(FileBytes(store) == kStoreText, "the store changed although nothing was written");
        return 0;
    }

    // The legacy dialect comes only from a printer that identification has
    // already placed; the jobs then start past their identification.
    util.identityForTest().firmwareVersion = printer.firmwareOverride = 30000;
    util.identityForTest().modelCode = context::kModelExpected;
    const vmsm::VmsmJob jobs[] = {vmsm::VmsmJob::GetStatus, vmsm::VmsmJob::SetStatus, vmsm::VmsmJob::FactoryDefault};
    vmsm::VmsmJobRunner runner(engine, view, jobs[job], variant);
    auto next = runner.Open();
    if (next && job == 0) next->phase = vmsm::phase::LegacyRead;
    if (job == 0) util.link().OpenPort();
    for (; next; next = runner.RunPhase(next->phase)) platform.clock().Sleep(next->delayMs);

    Check(platform.Now() <= RunnerBoundMs(portType) + inputMs, "the job outlasted its bound");
    Check(IsKnownMessage(KnownMessages(), runner.Message()), "unknown message: " + runner.Message());
    if (runner.End() != context::JobEnd::Ok) Check(!util.link().IsOpen(), "the link stayed open after a failure");
    return 0;
}
