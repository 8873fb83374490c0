#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "handheld/WizardSteps.h"

namespace pelmora::handheld {

WizardBeepStep::WizardBeepStep(WizardContext& context, QWidget* parent)
    : WizardStepWindow(WizardStep::Three, context, parent) {
    const vmsm::PrinterConfig& r = context.record;
    auto* body = new QVBoxLayout;
    const auto addPair = [&](const QString& label, const char* name, const QStringList& texts, std::uint32_t value) {
        auto* question = new QLabel(label, this);
        body->addWidget(question);
        auto* row = new QHBoxLayout;
        // The number is the radio's place in this list, whatever the screen shows first.
        QButtonGroup* group = AddRadios(row, name, texts, value, question);
        body->addLayout(row);
        return group;
    };
    beepPaper_ = addPair(tr("Beeps for roll paper end"), "beepPaperRadio", {tr("False"), tr("True")}, r.BeepPaper);
    beepLowBat_ = addPair(tr("Beep mode for low battery status"), "beepLowBatRadio", {tr("On"), tr("Off")},
                          r.BeepLowBat);
    charMode_ = addPair(tr("Double byte character mode"), "charModeRadio", {tr("Off"), tr("On")}, r.CharMode);
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
