#include "handheld/VmsmWizard.h"

#include <algorithm>

#include "handheld/WizardSteps.h"
#include "vmsm/CCommonVmsm.h"

namespace pelmora::handheld {

std::unique_ptr<CWizardStepDlg> MakeWizardStep(WizardStep step, WizardContext& context, QWidget* parent) {
    switch (step) {
    case WizardStep::One: return std::make_unique<CWizardStep1Dlg>(context, parent);
    case WizardStep::Two: return std::make_unique<CWizardStep2Dlg>(context, parent);
    case WizardStep::Three: return std::make_unique<CWizardStep3Dlg>(context, parent);
    case WizardStep::Four: return std::make_unique<CWizardStep4Dlg>(context, parent);
    case WizardStep::Five: return std::make_unique<CWizardStep5Dlg>(context, parent);
    }
    return nullptr;
}

StepDriver ModalSteps() {
    return [](CWizardStepDlg& step) {
        step.exec();
    };
}

vmsm::EditChoice RunWizard(QWidget* parent, vmsm::CCommonVmsm& engine, const WizardServices& services) {
    WizardContext context{engine.record, engine.util(), services.prompts, services.editSentinels};
    int step = static_cast<int>(WizardStep::One);
    while (true) {
        const auto dialog = MakeWizardStep(static_cast<WizardStep>(step), context, parent);
        services.driveSteps(*dialog);
        switch (dialog->end()) {
        case CWizardStepDlg::End::Cancel: return vmsm::EditChoice::Cancel;
        case CWizardStepDlg::End::Default: return vmsm::EditChoice::Default;
        case CWizardStepDlg::End::Save: return vmsm::EditChoice::Save;
        case CWizardStepDlg::End::Next: step = std::min(step + 1, kWizardSteps); break;
        case CWizardStepDlg::End::Prev: step = std::max(step - 1, 1); break;
        }
    }
}

}  // namespace pelmora::handheld
