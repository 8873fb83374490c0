#pragma once
#include <functional>

#include "handheld/WizardStepWindow.h"
#include "vmsm/ConfigJobFlow.h"

namespace pelmora::vmsm { class MemorySwitchEngine; }

namespace pelmora::handheld {

/// Shows a step until it ends (modally on the screen; tests drive it instead).
using StepDriver = std::function<void(WizardStepWindow& step)>;
StepDriver ModalSteps();

struct WizardServices {
    ui::Prompts& prompts;
    SentinelEditor editSentinels;
    StepDriver driveSteps;
};

/// The configuration job's editing step: the five steps from the first, each
/// made afresh from the record when it is reached, until one is cancelled
/// (Cancel), step 1 restores the factory settings (Default) or step 5 saves.
vmsm::EditChoice RunWizard(QWidget* parent, vmsm::MemorySwitchEngine& engine, const WizardServices& services);

}  // namespace pelmora::handheld
