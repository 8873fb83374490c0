#pragma once
#include <functional>

#include "nv/NvManager.h"
#include "ui/JobProgressDialog.h"
#include "vmsm/ConfigJobFlow.h"

namespace pelmora::ui {

/// Where the job flows (vmsm::RunConfigJob, nv::NvManager) run their jobs in
/// a window: each job in the modal progress window, which ends before the
/// flow goes on. The flow itself runs on the UI thread. The host must not
/// outlive `parent`, whose child its window is.
class JobWindowHost final : public nv::NvJobHost {
public:
    JobWindowHost(context::Layout layout, QWidget* parent, PhaseTimer* timer = nullptr);

    context::ProgressView& view() override { return dialog_.view(); }
    context::JobEnd Run(context::JobRunner& runner) override { return dialog_.Run(runner); }

    /// A configuration job whose reads and writes run in this host's window,
    /// which then shows its "Cancel" button.
    vmsm::ConfigJob ConfigJob(context::SettingsStore& store, std::function<vmsm::EditChoice(vmsm::MemorySwitchEngine&)> edit,
                              context::Layout variant);

    JobProgressDialog& dialog() { return dialog_; }

private:
    JobProgressDialog dialog_;
};

}  // namespace pelmora::ui
