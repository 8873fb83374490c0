#include "vmsm/ConfigJobFlow.h"

#include "context/FailureCause.h"
#include "context/PrinterContext.h"
#include "context/SettingsStore.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/VmsmJobRunner.h"

namespace pelmora::vmsm {

namespace {

constexpr FlowTexts kDesktopFlow{
    "Pelmora",
    "Success to set VMSM configuration! \r\nPlease reset printer power.", "Pelmora",
    "Failed to save VMSM configuration!\r\nPlease check your printer state.", "Pelmora",
    true};

constexpr FlowTexts kHandheldFlow{
    "VMSM Manager Utility",
    "Success to Set VMSM!", "Pelmora",
    "Failed to save Virtual memory switch!!\r\nPlease Check your printer state", "Total Manager Utility",
    false};

// The cause lines under a step's one-line message (empty when it has none).
std::string CauseOf(const std::string& stepMessage) {
    const auto brk = stepMessage.find("\r\n");
    return brk == std::string::npos ? std::string() : stepMessage.substr(brk + 2);
}

void CloseIfOpen(MemorySwitchEngine& engine) {
    if (engine.util().link().IsOpen()) engine.util().link().ClosePort();
}

}  // namespace

const FlowTexts& FlowTextsOf(context::Layout variant) {
    return variant == context::Layout::Desktop ? kDesktopFlow : kHandheldFlow;
}

JobReport RunConfigJob(MemorySwitchEngine& engine, const ConfigJob& job) {
    const FlowTexts& texts = FlowTextsOf(job.variant);
    engine.LoadFromStore(job.store, context::ProductKey);

    JobReport report;
    VmsmJobRunner reader(engine, job.view, VmsmJob::GetStatus, job.variant);
    if (job.drive(reader) != context::JobEnd::Ok) {
        CloseIfOpen(engine);
        engine.util().link().stopRequest().Clear();
        report.cancelled = reader.Cancelled();
        report.outcome = JobOutcome::ReadFailed;
        report.stepMessage = reader.Message();
        report.message = reader.Message();
        report.title = texts.readFailedTitle;
        return report;
    }

    const EditChoice choice = job.edit(engine);
    if (choice == EditChoice::Cancel) {
        if (texts.closesOnEditCancel) CloseIfOpen(engine);
        report.outcome = JobOutcome::NotWritten;
        return report;
    }

    VmsmJobRunner writer(engine, job.view,
                         choice == EditChoice::Default ? VmsmJob::FactoryDefault : VmsmJob::SetStatus, job.variant);
    if (job.drive(writer) != context::JobEnd::Ok) {
        CloseIfOpen(engine);
        engine.util().link().stopRequest().Clear();
        report.stepMessage = writer.Message();
        report.title = texts.writeFailedTitle;
        if (writer.Cancelled()) {
            // Never the generic failure: the operator asked, and the printer may be half written.
            report.outcome = JobOutcome::WriteCancelled;
            report.cancelled = true;
            report.partlyWritten = writer.CommandsSent();
            report.message = report.partlyWritten ? kWriteCancelledPartly : kWriteCancelledNothingWritten;
            return report;
        }
        report.outcome = JobOutcome::WriteFailed;
        // The program's own text, with why the step failed under it.
        report.message = context::WithCause(texts.writeFailed, CauseOf(writer.Message()));
        return report;
    }
    if (job.storeRecord) {
        job.store.TakeWriteFailure();  // an earlier failure is not this save's
        engine.SaveToStore(job.store, context::ProductKey);
        report.storeFailure = job.store.TakeWriteFailure();
    }
    CloseIfOpen(engine);
    report.outcome = JobOutcome::Written;
    report.message = texts.written;
    report.title = texts.writtenTitle;
    return report;
}

}  // namespace pelmora::vmsm
