#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "handheld/WizardSteps.h"
#include "link/CommSettings.h"
#include "ui/ListTexts.h"
#include "ui/Prompts.h"

namespace pelmora::handheld {

namespace lists = vmsm::lists;

namespace {

const vmsm::EditRange& RangeOf(std::uint32_t vmsm::PrinterConfig::*member) {
    return vmsm::NumberFieldOf(member).edit;
}

}  // namespace

WizardInterfaceStep::WizardInterfaceStep(WizardContext& context, QWidget* parent)
    : WizardStepWindow(WizardStep::Four, context, parent) {
    const vmsm::PrinterConfig& r = context.record;
    auto* group = new QGroupBox(tr("Serial Interface configuration"), this);
    auto* grid = new QGridLayout(group);
    baud_ = AddList("baudList", lists::BaudEntries(), static_cast<std::uint32_t>(ShownBaudIndex(r.Baudrate)));
    AddRow(grid, tr("Baudrate :"), baud_);
    parity_ = AddList("parityList", lists::ParityEntries(), r.Parity, ui::kParityUse);
    AddRow(grid, tr("Parity :"), parity_);
    dataBits_ = AddList("dataBitsList", lists::DataBitEntries(), static_cast<std::uint32_t>(DataBitIndex(r.Databit)));
    AddRow(grid, tr("Data Length :"), dataBits_);
    stopBits_ = AddList("stopBitsList", lists::StopBitEntries(),
                        static_cast<std::uint32_t>(StopBitIndex(r.Flowcontrol)));
    AddRow(grid, tr("Stop bits :"), stopBits_);

    auto* times = new QGridLayout;
    timeOff_ = AddNumberBox("timeOffEdit", r.TimeOff);
    AddRow(times, tr("Auto Power Off Time\r\n<0~90 min>"), timeOff_);
    timeSave_ = AddNumberBox("timeSaveEdit", r.TimeSave);
    AddRow(times, tr("Auto Power Saving\r\nTime <10~255 sec>"), timeSave_);
    // The times stand outside the group but indented as if in it, one label column for both.
    const int indent = group->contentsMargins().left() + grid->contentsMargins().left();
    const int outdent = group->contentsMargins().right() + grid->contentsMargins().right();
    times->setContentsMargins(indent, 0, outdent, 0);
    ShareLabelColumn({grid, times});

    auto* body = new QVBoxLayout;
    body->addWidget(group);
    body->addLayout(times);
    Finish(body);
}

bool WizardInterfaceStep::BoxesValid() {
    return CheckNumberBox(timeOff_, RangeOf(&vmsm::PrinterConfig::TimeOff)) &&
           CheckNumberBox(timeSave_, RangeOf(&vmsm::PrinterConfig::TimeSave));
}

void WizardInterfaceStep::HandBack(End) {
    vmsm::PrinterConfig& r = context_.record;
    // An untouched list writes back what was read, even a value it has no entry for.
    if (!Untouched(baud_)) r.Baudrate = link::BaudRateAt(baud_->currentIndex());
    r.Parity = IndexOr(parity_, r.Parity);
    if (!Untouched(dataBits_)) r.Databit = lists::ChoiceAt(vmsm::kDataBitChoices, dataBits_->currentIndex());
    if (!Untouched(stopBits_)) r.Flowcontrol = lists::ChoiceAt(vmsm::kStopBitChoices, stopBits_->currentIndex());
    // BoxesValid passed: both read.
    r.TimeOff = vmsm::ReadNumberBox(timeOff_->text().toStdString(), RangeOf(&vmsm::PrinterConfig::TimeOff)).value;
    r.TimeSave = vmsm::ReadNumberBox(timeSave_->text().toStdString(), RangeOf(&vmsm::PrinterConfig::TimeSave)).value;
}

}  // namespace pelmora::handheld
