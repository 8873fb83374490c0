#include "windows/memory_switches/MorePrinterSettingsPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "context/FirmwareCapabilities.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "ui/ListTexts.h"
#include "windows/memory_switches/NumberBoxGuard.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::ui {

namespace {

namespace lists = vmsm::lists;

// A row of the grid: label, control, and what follows it (a unit, a button).
void AddRow(QGridLayout* grid, const QString& caption, QWidget* control, QWidget* after = nullptr) {
    const int row = grid->rowCount();
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
    if (after) grid->addWidget(after, row, 2);
}

}  // namespace

MorePrinterSettingsPage::MorePrinterSettingsPage(const vmsm::Page2Fields& fields, const vmsm::PrinterFacts& facts, Prompts& prompts,
                           QWidget* parent)
    : QWidget(parent), fields_(fields), firmware_(facts.firmware), prompts_(prompts) {
    setObjectName(QStringLiteral("page2"));
    const auto rangeOf = [this](std::uint32_t vmsm::PrinterConfig::*member) {
        return vmsm::EditRangeOf(vmsm::NumberFieldOf(member), firmware_);
    };
    const auto numberBox = [this](const char* name, vmsm::EditRange range, std::uint32_t& field) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        box->setMaximumWidth(80);
        guards_ << new NumberBoxGuard(box, range, field, prompts_);
        return box;
    };
    const vmsm::EditRange tearOff = rangeOf(&vmsm::PrinterConfig::CuttingPosition);
    const vmsm::EditRange timeOff = rangeOf(&vmsm::PrinterConfig::TimeOff);
    const vmsm::EditRange timeSave = rangeOf(&vmsm::PrinterConfig::TimeSave);

    auto* grid = new QGridLayout;
    service_ = FieldList(this, "service", lists::ServiceEntries(), fields_.service);
    service_->setEnabled(vmsm::ServiceEditable(facts.modelCode));
    AddRow(grid, LabelText(lists::kServiceLabel), service_);
    tearOff_ = numberBox("tearOff", tearOff, fields_.cuttingPosition);
    AddRow(grid, LabelText(lists::kTearOffLabel), tearOff_, new QLabel(tr("units (0~%1)").arg(tearOff.max)));
    AddRow(grid, LabelText(lists::kBeepPaperLabel),
           FieldList(this, "beepPaper", lists::BeepEntries(), fields_.beepPaper));
    AddRow(grid, LabelText(lists::kBeepLowBatLabel),
           FieldList(this, "beepLowBat", lists::BeepEntries(), fields_.beepLowBat));
    AddRow(grid, LabelText(lists::kTimeOffLabel), numberBox("timeOff", timeOff, fields_.timeOff),
           new QLabel(tr("min (0~%1 ex> 30)").arg(timeOff.max)));
    AddRow(grid, LabelText(lists::kTimeSaveLabel), numberBox("timeSave", timeSave, fields_.timeSave),
           new QLabel(tr("sec (0, 10~%1 ex> 100)").arg(timeSave.max)));

    auto* msrGroup = new QGroupBox(tr("MSR Configuration"));
    msrGroup->setObjectName(QStringLiteral("msrGroup"));
    auto* msrGrid = new QGridLayout(msrGroup);
    auto* advance = new QPushButton(tr("Advance"));
    advance->setObjectName(QStringLiteral("advance"));
    advance->setAutoDefault(false);
    advance->setEnabled(context::CapabilitiesOf(firmware_).sentinels);
    AddRow(msrGrid, LabelText(lists::kMsrLabel), FieldList(this, "msr", lists::MsrTriggerEntries(), fields_.msr),
           advance);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(msrGroup);
    layout->addStretch();

    connect(service_, &QComboBox::currentIndexChanged, this, &MorePrinterSettingsPage::ApplyTearOffRule);
    connect(advance, &QPushButton::clicked, this, &MorePrinterSettingsPage::EditSentinels);
    ApplyTearOffRule();
}

void MorePrinterSettingsPage::ApplyTearOffRule() { tearOff_->setEnabled(vmsm::TearOffEditable(firmware_, fields_.service)); }

void MorePrinterSettingsPage::EditSentinels() {
    std::uint32_t mode = fields_.sentinel;
    vmsm::SentinelSix texts = fields_.sentinels;
    if (!ui::EditSentinels(this, context::Layout::Desktop, prompts_, mode, texts)) return;
    fields_.sentinel = mode;
    fields_.sentinels = texts;
}

bool MorePrinterSettingsPage::CheckNumberBoxes() {
    for (NumberBoxGuard* guard : guards_)
        if (!guard->Check()) return false;
    return true;
}

void MorePrinterSettingsPage::QuietTowards(const QList<QWidget*>& controls) {
    for (NumberBoxGuard* guard : guards_) guard->QuietTowards(controls);
}

}  // namespace pelmora::ui
