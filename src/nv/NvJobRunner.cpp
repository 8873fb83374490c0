#include "nv/NvJobRunner.h"

#include "context/FailureCause.h"
#include "context/ResultCode.h"
#include "nv/NvEngine.h"

namespace pelmora::nv {

namespace {
constexpr std::uint32_t kStandardBlockPauseMs = 1000;
constexpr std::uint32_t kLegacyBlockPauseMs = 100;
constexpr double kBlockShare = 70.0;
constexpr int kFull = 100;
}  // namespace

const NvJobRunner::PhaseEntry NvJobRunner::kPhases[] = {
    {NvPhaseStart, &NvJobRunner::Start},
    {static_cast<int>(NvJob::ReadAddresses), &NvJobRunner::ReadAddresses},
    {static_cast<int>(NvJob::DeleteImage), &NvJobRunner::DeleteImage},
    {static_cast<int>(NvJob::DeleteAllImages), &NvJobRunner::DeleteAllImages},
    {static_cast<int>(NvJob::DownloadImages), &NvJobRunner::DownloadImages},
    {NvPhaseBlock, &NvJobRunner::DownloadBlock},
    {static_cast<int>(NvJob::PrintAllImages), &NvJobRunner::PrintAllImages},
    {static_cast<int>(NvJob::PrintImage), &NvJobRunner::PrintImage},
    {NvPhaseFinish, &NvJobRunner::Finish},
};

NvJobRunner::NvJobRunner(NvEngine& nv, NvJob job, context::ProgressView& view, const NvJobVariant& variant)
    : nv_(nv), job_(job), view_(view), variant_(variant), message_(variant.cancelled) {}

std::optional<context::NextPhase> NvJobRunner::Open() {
    position_ = 0;
    message_ = variant_.cancelled;
    end_ = context::JobEnd::Running;
    view_.SetTitle(variant_.titles.at(job_));
    view_.SetLabel(variant_.initialLabel);
    view_.SetPosition(position_);
    return Next(NvPhaseStart);
}

std::optional<context::NextPhase> NvJobRunner::RunPhase(int phase) {
    if (end_ != context::JobEnd::Running) return std::nullopt;
    if (stopRequest()->Requested()) return Fail(variant_.cancelled);
    for (const auto& entry : kPhases)
        if (entry.phase == phase) return (this->*entry.run)();
    // A phase no table row names is a bug of the driver; end rather than hang.
    return Fail(variant_.cancelled);
}

void NvJobRunner::Cancel() {
    if (end_ != context::JobEnd::Running) return;
    message_ = variant_.cancelled;
    end_ = context::JobEnd::Cancel;
}

void NvJobRunner::Step1(std::uint32_t pauseMs) {
    view_.SetPosition(++position_);
    if (pauseMs) nv_.util().clock().Sleep(pauseMs);
}

void NvJobRunner::Advance(int steps, const std::string& text, std::uint32_t pauseMs) {
    view_.SetLabel(text);
    for (int i = 0; i < steps; ++i) Step1(pauseMs);
}

link::StopRequest* NvJobRunner::stopRequest() { return &nv_.util().link().stopRequest(); }

NvJobRunner::Step NvJobRunner::Fail(const std::string& text) {
    // A wait that a Cancel cut short is the operator's stop, not the printer's fault.
    message_ = stopRequest()->Requested() ? variant_.cancelled : text;
    end_ = context::JobEnd::Cancel;
    return std::nullopt;
}

NvJobRunner::Step NvJobRunner::Start() {
    auto& util = nv_.util();
    switch (util.link().EnsureOpen()) {
    case link::OpenOutcome::Failed:
        return Fail(context::OpenFailureMessage(variant_.openFailed, util.link().openFailure()));
    case link::OpenOutcome::Opened: Advance(5, variant_.openText); break;
    case link::OpenOutcome::WasOpen: break;
    }
    if (!nv_.printerChecked()) {
        for (const auto& action : variant_.check) {
            if (action.kind == NvCheckAction::Kind::Advance) {
                Advance(5, action.text);
            } else {
                const context::WaitMark mark = context::MarkWait(util);
                if (const int result = util.QueryPrinter(action.selector); result != rc::Ok)
                    return Fail(context::WithCause(
                        action.text, context::QueryFailureCause(util, action.selector, result, mark)));
            }
        }
        nv_.MarkPrinterChecked();
    }
    return NextJob(job_);
}

NvJobRunner::Step NvJobRunner::ReadAddresses() {
    const int result = nv_.UsesLegacyDialect() ? nv_.ReadStoredAddresses() : nv_.ReadKeyCodeList();
    if (result != rc::Ok && result != rc::Nothing) return Fail(variant_.readFailed);
    Advance(20, StepText(NvJob::ReadAddresses));
    return Next(NvPhaseFinish);
}

NvJobRunner::Step NvJobRunner::DeleteImage() {
    const std::string& text = StepText(NvJob::DeleteImage);
    Advance(5, text);
    if (nv_.UsesLegacyDialect()) return Fail(variant_.notSupported);
    if (nv_.DeleteKeyCodeImage(selectedCode) != rc::Ok) return Fail(variant_.writeFailed);
    Advance(20, text, 50);
    return NextJob(NvJob::ReadAddresses);
}

NvJobRunner::Step NvJobRunner::DeleteAllImages() {
    const std::string& text = StepText(NvJob::DeleteAllImages);
    Advance(5, text);
    int result = rc::Ok;
    if (nv_.UsesLegacyDialect()) {
        result = nv_.DeleteAllNumberedImages();
        if (result == rc::Ok) nv_.ForgetAddresses();
    } else {
        result = nv_.DeleteAllKeyCodeImages();
    }
    if (result != rc::Ok) return Fail(variant_.writeFailed);
    Advance(20, text, 100);
    return NextJob(NvJob::ReadAddresses);
}

NvJobRunner::Step NvJobRunner::DownloadImages() {
    Advance(5, StepText(NvJob::DownloadImages));
    total_ = 0;
    for (const auto& block : nv_.downloadQueue()) total_ += block.length();
    nextBlock_ = 0;
    if (nv_.UsesLegacyDialect()) {
        blockPauseMs_ = kLegacyBlockPauseMs;
        // One job list: the engine's download queue.
        if (nv_.SendLegacyDownloadHeader(1, static_cast<std::uint32_t>(total_)) != rc::Ok)
            return Fail(variant_.downloadWriteFailed);
    } else {
        blockPauseMs_ = kStandardBlockPauseMs;
    }
    return Next(NvPhaseBlock);
}

NvJobRunner::Step NvJobRunner::DownloadBlock() {
    if (nextBlock_ >= nv_.downloadQueue().size()) {
        Advance(5, variant_.finishDownloadText, 500);
        return Next(NvPhaseFinish);
    }
    const NvDownloadBlock& block = nv_.downloadQueue()[nextBlock_++];
    const std::string caption = block.name + variant_.downloadingSuffix;
    view_.SetLabel(caption);
    if (nv_.SendDownloadBlock(block) != rc::Ok) return Fail(variant_.downloadWriteFailed);
    // Each block's share of 70 by bytes, kept in single precision and truncated.
    const auto share = total_ == 0 ? 0.0f
                                   : static_cast<float>(static_cast<double>(block.length()) /
                                                        static_cast<double>(total_) * kBlockShare);
    Advance(static_cast<int>(share), caption);
    return Next(NvPhaseBlock, blockPauseMs_);
}

NvJobRunner::Step NvJobRunner::PrintAllImages() {
    const std::string& text = StepText(NvJob::PrintAllImages);
    Advance(5, text);
    const int result = nv_.UsesLegacyDialect() ? nv_.PrintAllNumberedImages() : nv_.PrintAllKeyCodeImages();
    if (result != rc::Ok) return Fail(variant_.writeFailed);
    Advance(80, text, 0);
    return Next(NvPhaseFinish);
}

NvJobRunner::Step NvJobRunner::PrintImage() {
    const std::string& text = StepText(NvJob::PrintImage);
    Advance(5, text);
    const int result = nv_.UsesLegacyDialect()
                           ? nv_.PrintNumberedImage(static_cast<std::uint8_t>(selectedIndex))
                           : nv_.PrintKeyCodeImage(selectedCode);
    if (result != rc::Ok) return Fail(variant_.writeFailed);
    Advance(99, text, 0);
    return Next(NvPhaseFinish);
}

NvJobRunner::Step NvJobRunner::Finish() {
    while (position_ < kFull) Step1(2);
    end_ = context::JobEnd::Ok;
    return std::nullopt;
}

}  // namespace pelmora::nv
