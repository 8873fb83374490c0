#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "context/PrinterContext.h"
#include "handheld/WizardSteps.h"

namespace pelmora::handheld {

namespace lists = vmsm::lists;

WizardPrintStep::WizardPrintStep(WizardContext& context, QWidget* parent)
    : WizardStepWindow(WizardStep::One, context, parent) {
    const vmsm::PrinterConfig& r = context.record;
    const std::uint32_t firmware = context.util.firmwareVersion();
    auto* body = new QVBoxLayout;
    speed_ = AddList("speedList", lists::SpeedEntries(context::Layout::Handheld, firmware, context.util.modelCode()),
                     r.Speed);
    AddLabelled(body, tr("Printing Speed :"), speed_);
    density_ = AddList("densityList", lists::DensityEntries(context::Layout::Handheld),
                       lists::DensityCodeToIndex(r.Density));
    AddLabelled(body, tr("Printing density :"), density_);

    auto* fontQuestion = new QLabel(tr("Default Font Type"), this);
    body->addWidget(fontQuestion);
    auto* fonts = new QVBoxLayout;
    QStringList fontTexts;
    for (const std::string& font : lists::FontEntries(context::Layout::Handheld, firmware))
        fontTexts << QString::fromStdString(font);
    // Every firmware shows all three, with the radio's number as FontType.
    font_ = AddRadios(fonts, "fontRadio", fontTexts, r.FontType, fontQuestion);
    body->addLayout(fonts);
    Finish(body);
}

void WizardPrintStep::HandBack(End end) {
    // "Default" writes the factory block; the record keeps what was read, so
    // the density stays a code (its list position would mean another density).
    if (end == End::Default) return;
    vmsm::PrinterConfig& r = context_.record;
    r.Speed = IndexOr(speed_, r.Speed);
    if (density_->currentIndex() >= 0 && !Untouched(density_))
        r.Density = lists::DensityIndexToCode(static_cast<std::uint32_t>(density_->currentIndex()),
                                              context_.util.firmwareVersion());
    r.FontType = CheckedOr(font_, r.FontType);
}

}  // namespace pelmora::handheld
