#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "context/JobRunner.h"
#include "nv/NvJobVariant.h"
#include "nv/NvTypes.h"

namespace pelmora::nv {

class NvEngine;
class NvJobRunner;

/// Where the front end runs an NV job: a modal progress window, or the
/// command line's driver.
class NvJobHost {
public:
    virtual ~NvJobHost() = default;
    virtual context::ProgressView& view() = 0;
    virtual context::JobEnd Run(context::JobRunner& runner) = 0;
};

/// Why a download stopped before its job, when automatic addressing ran out
/// of codes or the operator cancelled the code question.
inline constexpr const char* kNoFreeAddressCode = "No free address code left!";
inline constexpr const char* kCodeQuestionCancelled = "Cancel to download image.";

/// How one job ended; `message` is set when it did not end OK.
struct NvOutcome {
    bool ok = true;
    std::string message;
};

/// How a download ended. `message` says why it stopped before the job or
/// why the job failed; `refresh` is the list read that follows every job.
struct NvDownloadOutcome {
    enum class Stage { NoImages, Stopped, JobFailed, Done };
    Stage stage = Stage::Done;
    std::string message;
    std::string path;  ///< the file a conversion refused, when that stopped it
    std::size_t blocks = 0;
    NvOutcome refresh;
    bool ok() const { return stage == Stage::Done; }
};

/// The NV image manager's printer-facing logic, shared by the desktop and
/// handheld windows and the command line: what each button runs.
class NvManager {
public:
    NvManager(NvEngine& nv, NvJobHost& host, const NvJobVariant& variant = DesktopNvJob());

    /// What the main window does before showing the manager: apply the
    /// pending settings, check the printer and read its codes. On failure the
    /// link is closed and PrinterChecked cleared.
    NvOutcome Open();
    /// "Refresh": empties the address list and reads it again.
    NvOutcome Refresh();
    NvOutcome Print(std::int32_t index, const std::string& code);
    /// Deletes and reads the list again (in the same job).
    NvOutcome Delete(std::int32_t index, const std::string& code);
    NvOutcome DeleteAll();
    /// Sets ImageCount to the number of stored codes first.
    NvOutcome PrintAll();

    /// Asked for each image when automatic addressing is off, with the codes
    /// stored before the download; nothing means the operator cancelled.
    using CodeAsker = std::function<std::optional<std::string>(const std::vector<std::string>& stored)>;
    /// Builds one block per image (numbered, auto-addressed or asked for),
    /// runs the download, records the count, waits 200 ms and reads the list again.
    NvDownloadOutcome Download(bool autoAddressing, const CodeAsker& ask = {});

    /// The manager closed: the link is closed.
    void Close();

private:
    NvOutcome RunJob(NvJob job, const std::string& code = {}, std::int32_t index = 0);
    NvDownloadOutcome BuildQueue(bool autoAddressing, const CodeAsker& ask);

    NvEngine& nv_;
    NvJobHost& host_;
    const NvJobVariant& variant_;
};

}  // namespace pelmora::nv
