#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "context/JobRunner.h"
#include "context/Layout.h"
#include "vmsm/VmsmPhases.h"

namespace pelmora::vmsm {

class MemorySwitchEngine;

/// The memory-switch progress window without the window: runs GetStatus,
/// SetStatus or FactoryDefault as a chain of phases from the phase tables,
/// reporting title, label and position to a view. Every pause goes through
/// the printer context's clock.
class VmsmJobRunner final : public context::JobRunner {
public:
    VmsmJobRunner(MemorySwitchEngine& engine, context::ProgressView& view, VmsmJob job,
                  context::Layout variant = context::Layout::Desktop);

    /// Job None ends at once with Cancel; otherwise the entry phase after 100 ms.
    std::optional<context::NextPhase> Open() override;
    /// Runs one phase. An unknown phase number ends the job with Cancel and no message.
    std::optional<context::NextPhase> RunPhase(int phase) override;
    void Cancel() override;
    context::JobEnd End() const override { return end_; }
    const std::string& Message() const override { return message_; }
    link::StopRequest* stopRequest() override;

    /// Ended by the operator's Cancel or a stop request, not by a failure.
    bool Cancelled() const { return cancelled_; }
    /// A command of a write job went out: a cancelled write may have changed the printer.
    bool CommandsSent() const { return commandsSent_; }

    int Position() const { return position_; }
    const std::string& Label() const { return label_; }

private:
    bool Applies(const PhaseRow& row) const;
    int Run(Op op, int arg);
    void Step(int count, std::uint32_t pauseMs);
    void SetLabel(std::string label);
    std::optional<context::NextPhase> Finish(context::JobEnd end, std::string message = {});
    std::optional<context::NextPhase> Complete();
    bool StopRequested();
    std::optional<context::NextPhase> Stop();
    void LeaveSettingMode();

    MemorySwitchEngine& engine_;
    context::ProgressView& view_;
    VmsmJob job_;
    context::Layout variant_;
    context::JobEnd end_ = context::JobEnd::Running;
    std::string message_;
    std::string label_;
    const char* stepLabel_ = "";
    int position_ = 0;
    bool cancelled_ = false;
    bool commandsSent_ = false;
    bool settingMode_ = false;  ///< between a sent enter- and end-of-setting command
};

}  // namespace pelmora::vmsm
