#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "context/PrinterContext.h"
#include "handheld/WizardSteps.h"

namespace pelmora::handheld {

namespace lists = vmsm::lists;

WizardMsrStep::WizardMsrStep(WizardContext& context, QWidget* parent)
    : WizardStepWindow(WizardStep::Two, context, parent), sentinel_(context.record.Sentinel) {
    const vmsm::PrinterConfig& r = context.record;
    const std::uint32_t firmware = context.util.firmwareVersion();
    for (int t = 0; t < vmsm::kTracks; ++t) {
        sentinelTexts_[static_cast<std::size_t>(t)] = r.StartSentinel[static_cast<std::size_t>(t)];
        sentinelTexts_[static_cast<std::size_t>(t + vmsm::kTracks)] = r.EndSentinel[static_cast<std::size_t>(t)];
    }
    auto* grid = new QGridLayout;
    codePage_ = AddList("codePageList", lists::CodePageEntries(context::Layout::Handheld, firmware), r.CodePage);
    AddRow(grid, tr("Default Code Page"), codePage_);

    const MsrChoice msr = HandheldMsrChoice(context.util.msrSetValue(), firmware);
    msr_ = AddList("msrList", msr.entries, msr.listEnabled ? r.Msr : 0);
    msr_->setEnabled(msr.listEnabled);
    advance_ = new QPushButton(tr("Advance.."), this);
    advance_->setObjectName(QStringLiteral("advanceButton"));
    advance_->setAutoDefault(false);
    advance_->setEnabled(msr.sentinelsAllowed);
    if (!msr.sentinelsAllowed) sentinel_ = vmsm::SentinelNone;
    connect(advance_, &QPushButton::clicked, this, &WizardMsrStep::EditSentinels);
    auto* msrRow = new QHBoxLayout;
    msrRow->addWidget(msr_, 1);
    msrRow->addWidget(advance_);
    AddRow(grid, tr("MSR Trigger mode"), msrRow)->setBuddy(msr_);

    auto* serviceRow = new QHBoxLayout;
    QLabel* serviceQuestion = AddRow(grid, tr("Service :"), serviceRow);
    service_ = AddRadios(serviceRow, "serviceRadio", {tr("Receipt"), tr("Label")}, r.Service, serviceQuestion);

    tearOff_ = AddNumberBox("tearOffEdit", TearOffShown(firmware) ? r.CuttingPosition : 0);
    AddRow(grid, tr("tear off position :\n<0~640 units>"), tearOff_);
    ShareLabelColumn({grid});
    FollowService();
    connect(service_, &QButtonGroup::idToggled, this, &WizardMsrStep::FollowService);
    Finish(grid);
}

void WizardMsrStep::FollowService() {
    tearOff_->setEnabled(TearOffEditable(context_.util.firmwareVersion(), service_->checkedId() == 1));
}

void WizardMsrStep::EditSentinels() {
    std::uint32_t mode = sentinel_;
    std::array<std::string, 6> texts = sentinelTexts_;
    if (!context_.editSentinels || !context_.editSentinels(this, mode, texts)) return;
    sentinel_ = mode;
    sentinelTexts_ = texts;
}

bool WizardMsrStep::BoxesValid() {
    if (!tearOff_->isEnabled()) return true;
    return CheckNumberBox(tearOff_, vmsm::NumberFieldOf(&vmsm::PrinterConfig::CuttingPosition).edit).has_value();
}

void WizardMsrStep::HandBack(End) {
    vmsm::PrinterConfig& r = context_.record;
    r.CodePage = IndexOr(codePage_, r.CodePage);
    // A disabled list holds the one value this printer's MSR mode allows.
    r.Msr = msr_->isEnabled() || msr_->currentIndex() < 0 ? IndexOr(msr_, r.Msr)
                                                          : static_cast<std::uint32_t>(msr_->currentIndex());
    r.Service = CheckedOr(service_, r.Service);
    if (!TearOffShown(context_.util.firmwareVersion())) {
        r.CuttingPosition = 0;
    } else {
        // A disabled box cannot have been left bad on purpose; what it held at
        // opening stays then.
        const vmsm::NumberBox box = vmsm::ReadNumberBox(
            tearOff_->text().toStdString(), vmsm::NumberFieldOf(&vmsm::PrinterConfig::CuttingPosition).edit);
        if (box.check == vmsm::NumberBox::Ok) r.CuttingPosition = box.value;
    }
    r.Sentinel = sentinel_;
    for (int t = 0; t < vmsm::kTracks; ++t) {
        r.StartSentinel[static_cast<std::size_t>(t)] = sentinelTexts_[static_cast<std::size_t>(t)];
        r.EndSentinel[static_cast<std::size_t>(t)] = sentinelTexts_[static_cast<std::size_t>(t + vmsm::kTracks)];
    }
}

}  // namespace pelmora::handheld
