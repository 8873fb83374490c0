#pragma once
#include <functional>
#include <string>

#include "context/JobRunner.h"
#include "link/CommSettings.h"
#include "context/Layout.h"

namespace pelmora::context { class SettingsStore; }

namespace pelmora::vmsm {

class MemorySwitchEngine;

/// How the editing step ended.
enum class EditChoice { Cancel, Save, Default };

/// The whole configuration job around the runner, on the settings the caller
/// handed the engine's context (PrinterContext::HandOver): load the stored record, read the printer, let the caller edit, write (or
/// restore the factory settings), store the record on success, close the link.
struct ConfigJob {
    context::SettingsStore& store;
    context::ProgressView& view;
    /// Runs a runner to its end (a timer-driven window, DriveJob, the CLI).
    std::function<context::JobEnd(context::JobRunner&)> drive;
    /// Edits engine.record() after a successful read; its choice decides the write.
    std::function<EditChoice(MemorySwitchEngine&)> edit;
    context::Layout variant = context::Layout::Desktop;
    /// False when the record must not be stored: the store holds one
    /// printer's record, and this is one of several printers.
    bool storeRecord = true;
};

enum class JobOutcome {
    ReadFailed,   ///< GetStatus failed or was cancelled; nothing written
    NotWritten,   ///< the editing step cancelled
    WriteFailed,  ///< SetStatus or FactoryDefault failed; store unchanged
    WriteCancelled,  ///< the write was cancelled; `partlyWritten` says whether it had begun; store unchanged
    Written,      ///< written; stored unless storeFailure says otherwise
};

struct JobReport {
    JobOutcome outcome = JobOutcome::ReadFailed;
    std::string stepMessage;  ///< the failing step's message (empty after an operator's Cancel)
    std::string message;      ///< what the program shows in its box (empty when nothing is shown)
    std::string title;        ///< that box's title
    /// Written to the printer, but the record could not be stored: the file
    /// and the reason, for a warning beside the success. Empty otherwise.
    std::string storeFailure;
    /// The operator's Cancel or a stop request (a signal) ended a read or write.
    bool cancelled = false;
    /// A cancelled write had sent commands: the printer may hold some of the new settings.
    bool partlyWritten = false;
};

/// The box after a cancelled write, in either program.
inline constexpr const char* kWriteCancelledNothingWritten = "Saving was cancelled. Nothing was written to the printer.";
inline constexpr const char* kWriteCancelledPartly =
    "Saving was cancelled after it had begun: some settings may already be on the printer.\r\n"
    "Read the settings again before you change them.";

/// The boxes a program shows at the end of a configuration job.
struct FlowTexts {
    const char* readFailedTitle;
    const char* written;
    const char* writtenTitle;
    const char* writeFailed;
    const char* writeFailedTitle;
    bool closesOnEditCancel;
};
const FlowTexts& FlowTextsOf(context::Layout variant);

/// Runs the job. The desktop closes the link at every end; the handheld leaves
/// it open when the editing step cancels.
JobReport RunConfigJob(MemorySwitchEngine& engine, const ConfigJob& job);

}  // namespace pelmora::vmsm
