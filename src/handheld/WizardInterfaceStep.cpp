#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "handheld/ConnectionRules.h"
#include "handheld/WizardSteps.h"
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
    const auto addRow = [this](QGridLayout* into, const QString& text, QWidget* control) {
        auto* label = new QLabel(ui::BoxText(text), this);
        label->setBuddy(control);
        const int row = into->rowCount();
        into->addWidget(label, row, 0);
        into->addWidget(control, row, 1);
    };
    baud_ = AddList("baudList", lists::BaudEntries(), static_cast<std::uint32_t>(ShownBaudIndex(r.Baudrate)));
    addRow(grid, tr("Baudrate :"), baud_);
    parity_ = AddList("parityList", lists::ParityEntries(), r.Parity);
    addRow(grid, tr("Parity :"), parity_);
    dataBits_ = AddList("dataBitsList", lists::DataBitEntries(), static_cast<std::uint32_t>(DataBitIndex(r.Databit)));
    addRow(grid, tr("Data Length :"), dataBits_);
    stopBits_ = AddList("stopBitsList", lists::StopBitEntries(),
                        static_cast<std::uint32_t>(StopBitIndex(r.Flowcontrol)));
    addRow(grid, tr("Stop bits :"), stopBits_);

    auto* body = new QVBoxLayout;
    body->addWidget(group);
    auto* times = new QGridLayout;
    timeOff_ = AddNumberBox("timeOffEdit", r.TimeOff);
    addRow(times, tr("Auto Power Off Time\r\n<0~90 min>"), timeOff_);
    timeSave_ = AddNumberBox("timeSaveEdit", r.TimeSave);
    addRow(times, tr("Auto Power Saving\r\nTime <10~255 sec>"), timeSave_);
    body->addLayout(times);
    Finish(body);
}

bool WizardInterfaceStep::BoxesValid() {
    return CheckNumberBox(timeOff_, RangeOf(&vmsm::PrinterConfig::TimeOff)) &&
           CheckNumberBox(timeSave_, RangeOf(&vmsm::PrinterConfig::TimeSave));
}

void WizardInterfaceStep::HandBack(End) {
    vmsm::PrinterConfig& r = context_.record;
    r.Baudrate = BaudOfIndex(baud_->currentIndex());
    r.Parity = IndexOr(parity_, r.Parity);
    r.Databit = DataBitOfIndex(dataBits_->currentIndex());
    r.Flowcontrol = StopBitOfIndex(stopBits_->currentIndex());
    // BoxesValid passed: both read.
    r.TimeOff = vmsm::ReadNumberBox(timeOff_->text().toStdString(), RangeOf(&vmsm::PrinterConfig::TimeOff)).value;
    r.TimeSave = vmsm::ReadNumberBox(timeSave_->text().toStdString(), RangeOf(&vmsm::PrinterConfig::TimeSave)).value;
}

}  // namespace pelmora::handheld
