#include "handheld/VmsmWizard.h"

#include <algorithm>

#include "handheld/WizardSteps.h"
#include "vmsm/MemorySwitchEngine.h"

namespace pelmora::handheld {

std::unique_ptr<WizardStepWindow> MakeWizardStep(WizardStep step, WizardContext& context, QWidget* parent) {
    switch (step) {
    case WizardStep::One: return std::make_unique<WizardPrintStep>(context, parent);
    case WizardStep::Two: return std::make_unique<WizardMsrStep>(context, parent);
    case WizardStep::Three: return std::make_unique<WizardBeepStep>(context, parent);
    case WizardStep::Four: return std::make_unique<WizardInterfaceStep>(context, parent);
    case WizardStep::Five: return std::make_unique<WizardBluetoothStep>(context, parent);
    }
    return nullptr;
}

StepDriver ModalSteps() {
    return [](WizardStepWindow& step) {
        step.exec();
    };
}

vmsm::EditChoice RunWizard(QWidget* parent, vmsm::MemorySwitchEngine& engine, const WizardServices& services) {
    WizardContext context{engine.editRecord(), engine.util(), services.prompts, services.editSentinels};
    int step = static_cast<int>(WizardStep::One);
    while (true) {
        const auto dialog = MakeWizardStep(static_cast<WizardStep>(step), context, parent);
        services.driveSteps(*dialog);
        switch (dialog->end()) {
        case WizardStepWindow::End::Cancel: return vmsm::EditChoice::Cancel;
        case WizardStepWindow::End::Default: return vmsm::EditChoice::Default;
        case WizardStepWindow::End::Save: return vmsm::EditChoice::Save;
        case WizardStepWindow::End::Next: step = std::min(step + 1, kWizardSteps); break;
        case WizardStepWindow::End::Prev: step = std::max(step - 1, 1); break;
        }
    }
}

}  // namespace pelmora::handheld
