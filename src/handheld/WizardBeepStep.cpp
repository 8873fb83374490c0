#include <QButtonGroup>
#include <QVBoxLayout>

#include "handheld/WizardSteps.h"

namespace pelmora::handheld {

WizardBeepStep::WizardBeepStep(WizardContext& context, QWidget* parent)
    : WizardStepWindow(WizardStep::Three, context, parent) {
    const vmsm::PrinterConfig& r = context.record;
    auto* body = new QVBoxLayout;
    beepPaper_ =
        AddQuestion(body, tr("Beeps for roll paper end"), "beepPaperRadio", {tr("False"), tr("True")}, r.BeepPaper);
    beepLowBat_ = AddQuestion(body, tr("Beep mode for low battery status"), "beepLowBatRadio", {tr("On"), tr("Off")},
                              r.BeepLowBat);
    charMode_ =
        AddQuestion(body, tr("Double byte character mode"), "charModeRadio", {tr("Off"), tr("On")}, r.CharMode);
    Finish(body);
}

void WizardBeepStep::HandBack(End end) {
    if (end == End::Prev) return;  // going back drops this step's changes
    vmsm::PrinterConfig& r = context_.record;
    r.BeepPaper = CheckedOr(beepPaper_, r.BeepPaper);
    r.BeepLowBat = CheckedOr(beepLowBat_, r.BeepLowBat);
    r.CharMode = CheckedOr(charMode_, r.CharMode);
}

}  // namespace pelmora::handheld
