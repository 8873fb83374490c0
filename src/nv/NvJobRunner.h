#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "context/JobRunner.h"
#include "nv/NvJobVariant.h"
#include "nv/NvTypes.h"

namespace pelmora::nv {

class NvEngine;

/// Phase identifiers besides the job codes 1000..1005.
enum NvPhase : int {
    NvPhaseStart = 1,
    NvPhaseBlock = 2000,
    NvPhaseFinish = 9999,
};

/// The NV progress window's job without the window: opens the link when it is
/// closed, checks the printer once per PrinterChecked, runs one job's commands
/// and reports progress. Ends OK, or Cancel with Message() for the caller.
class NvJobRunner final : public context::JobRunner {
public:
    NvJobRunner(NvEngine& nv, NvJob job, context::ProgressView& view,
                const NvJobVariant& variant = DesktopNvJob());

    /// The selected stored code (DeleteImage, PrintImage) and its index in the
    /// stored list (PrintImage on a numbered-image printer).
    std::string selectedCode;
    std::int32_t selectedIndex = 0;

    std::optional<context::NextPhase> Open() override;
    std::optional<context::NextPhase> RunPhase(int phase) override;
    void Cancel() override;
    context::JobEnd End() const override { return end_; }
    const std::string& Message() const override { return message_; }
    link::StopRequest* stopRequest() override;

    /// The bar position; may pass 100.
    int position() const { return position_; }

private:
    using Step = std::optional<context::NextPhase>;
    struct PhaseEntry {
        int phase;
        Step (NvJobRunner::*run)();
    };
    static const PhaseEntry kPhases[];

    Step Start();
    Step ReadAddresses();
    Step DeleteImage();
    Step DeleteAllImages();
    Step DownloadImages();
    Step DownloadBlock();
    Step PrintAllImages();
    Step PrintImage();
    Step Finish();

    void Advance(int steps, const std::string& text, std::uint32_t pauseMs = 2);
    void Step1(std::uint32_t pauseMs);
    Step Fail(const std::string& text);
    static Step Next(int phase, std::uint32_t delayMs = 100) { return context::NextPhase{phase, delayMs}; }
    Step NextJob(NvJob job, std::uint32_t delayMs = 100) { return Next(static_cast<int>(job), delayMs); }
    const std::string& StepText(NvJob job) const { return variant_.stepTexts.at(job); }

    NvEngine& nv_;
    NvJob job_;
    context::ProgressView& view_;
    const NvJobVariant& variant_;
    int position_ = 0;
    std::string message_;
    context::JobEnd end_ = context::JobEnd::Running;
    std::uint64_t total_ = 0;
    std::size_t nextBlock_ = 0;
    std::uint32_t blockPauseMs_ = 0;
};

}  // namespace pelmora::nv
