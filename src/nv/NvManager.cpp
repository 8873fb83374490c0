#include "nv/NvManager.h"

#include "nv/NvEngine.h"
#include "nv/NvAddressing.h"
#include "nv/NvJobRunner.h"

namespace pelmora::nv {

namespace {
constexpr std::uint32_t kRefreshPauseMs = 200;
}  // namespace

NvManager::NvManager(NvEngine& nv, NvJobHost& host, const NvJobVariant& variant)
    : nv_(nv), host_(host), variant_(variant) {}

NvOutcome NvManager::RunJob(NvJob job, const std::string& code, std::int32_t index) {
    NvJobRunner runner(nv_, job, host_.view(), variant_);
    runner.selectedCode = code;
    runner.selectedIndex = index;
    if (host_.Run(runner) == context::JobEnd::Ok) return {};
    return {false, runner.Message()};
}

NvOutcome NvManager::Open() {
    nv_.ForgetPrinterCheck();
    NvOutcome outcome = RunJob(NvJob::ReadAddresses);
    if (!outcome.ok) {
        if (nv_.util().link().IsOpen()) nv_.util().link().ClosePort();
        nv_.ForgetPrinterCheck();
    }
    return outcome;
}

NvOutcome NvManager::Refresh() {
    nv_.ForgetAddresses();
    return RunJob(NvJob::ReadAddresses);
}

NvOutcome NvManager::Print(std::int32_t index, const std::string& code) {
    return RunJob(NvJob::PrintImage, code, index);
}

NvOutcome NvManager::Delete(std::int32_t index, const std::string& code) {
    return RunJob(NvJob::DeleteImage, code, index);
}

NvOutcome NvManager::DeleteAll() { return RunJob(NvJob::DeleteAllImages); }

NvOutcome NvManager::PrintAll() {
    nv_.setImageCount(static_cast<std::int32_t>(nv_.addressList().size()));
    return RunJob(NvJob::PrintAllImages);
}

NvDownloadOutcome NvManager::BuildQueue(bool autoAddressing, const CodeAsker& ask) {
    NvDownloadOutcome outcome;
    AutoAddressing addressing;
    for (const auto& item : nv_.imageList().items()) {
        std::string error;
        if (nv_.UsesLegacyDialect()) {
            error = nv_.BuildLegacyBlock(item);
        } else {
            std::optional<std::string> code;
            if (autoAddressing) {
                code = addressing.Next(nv_.addressList());
                if (!code) error = kNoFreeAddressCode;
            } else {
                code = ask ? ask(nv_.addressList()) : std::nullopt;
                if (!code) error = kCodeQuestionCancelled;
            }
            if (code) error = nv_.BuildStandardBlock(item, *code);
        }
        if (!error.empty()) {
            // Nothing has been sent; the half-built queue is of no further use.
            nv_.ClearDownloadQueue();
            outcome.stage = NvDownloadOutcome::Stage::Stopped;
            outcome.message = error;
            outcome.path = item.path;
            return outcome;
        }
    }
    return outcome;
}

NvDownloadOutcome NvManager::Download(bool autoAddressing, const CodeAsker& ask) {
    if (nv_.imageList().empty()) {
        NvDownloadOutcome outcome;
        outcome.stage = NvDownloadOutcome::Stage::NoImages;
        outcome.message = variant_.noImagesSelected;
        return outcome;
    }
    nv_.ClearDownloadQueue();
    NvDownloadOutcome outcome = BuildQueue(autoAddressing, ask);
    if (!outcome.ok()) return outcome;

    outcome.blocks = nv_.downloadQueue().size();
    nv_.ForgetPrinterCheck();
    const NvOutcome job = RunJob(NvJob::DownloadImages);
    if (job.ok) {
        nv_.setImageCount(static_cast<std::int32_t>(outcome.blocks));
        nv_.WriteStoredCount(static_cast<std::uint32_t>(nv_.imageCount()));
    } else {
        outcome.stage = NvDownloadOutcome::Stage::JobFailed;
        outcome.message = job.message;
    }
    nv_.ClearDownloadQueue();
    nv_.util().clock().Sleep(kRefreshPauseMs);
    outcome.refresh = Refresh();
    return outcome;
}

void NvManager::Close() {
    if (nv_.util().link().IsOpen()) nv_.util().link().ClosePort();
}

}  // namespace pelmora::nv
