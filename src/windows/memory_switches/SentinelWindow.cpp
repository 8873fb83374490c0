#include "windows/memory_switches/SentinelWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/ByteText.h"
#include "ui/CoreTexts.h"
#include "ui/ListTexts.h"
#include "ui/Prompts.h"
#include "vmsm/ConfigLists.h"
#include "vmsm/PrinterConfig.h"

namespace pelmora::ui {

namespace {

constexpr std::size_t kBoxes = 6;

// Box order top to bottom: track 1 start, track 1 end, track 2 start, ...;
// the texts' order is the three starts, then the three ends.
constexpr std::size_t TextOfRow(std::size_t row) { return row / 2 + (row % 2 ? vmsm::kTracks : 0); }

}  // namespace

SentinelWindow::SentinelWindow(context::Layout layout, Prompts& prompts, std::uint32_t mode,
                                 const vmsm::SentinelSix& texts, QWidget* parent)
    : QDialog(parent), layout_(layout), prompts_(prompts), mode_(mode), texts_(texts) {
    const bool desktop = layout == context::Layout::Desktop;
    setObjectName(QStringLiteral("msrAdvance"));
    setWindowTitle(desktop ? tr("Advanced MSR Settings") : tr("MSR Sentinel Settings"));

    QGroupBox* group = BuildModeGroup(desktop);
    QGridLayout* grid = BuildTextGrid(desktop);

    form_ = new QCheckBox(desktop ? tr("ASCII (ex: \"START(1)\")") : tr("ASCII"));
    form_->setObjectName(QStringLiteral("entryForm"));
    connect(form_, &QCheckBox::toggled, this, &SentinelWindow::SwitchForm);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SentinelWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SentinelWindow::reject);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(group);
    layoutBox->addLayout(grid);
    layoutBox->addWidget(form_);
    layoutBox->addWidget(buttons);
    if (!desktop) layoutBox->setContentsMargins(4, 4, 4, 4);

    if (mode_ < radios_.size()) radios_[mode_]->setChecked(true);
    for (QLineEdit* box : boxes_) box->setEnabled(mode_ == vmsm::SentinelDynamic);
    NameControls(this);
    if (desktop) AssignAccessKeys(this);
}

QGroupBox* SentinelWindow::BuildModeGroup(bool desktop) {
    auto* group = new QGroupBox(desktop ? LabelText(vmsm::lists::kSentinelLabel) : tr("Sentinel Option"));
    group->setObjectName(QStringLiteral("sentinelOption"));
    auto* radioRow = new QHBoxLayout(group);
    const auto& modeNames = vmsm::lists::SentinelModeEntries();
    const QString handheldNames[] = {ListText(modeNames[0]), tr("Static"), tr("Dynamic")};
    const char* radioNames[] = {"modeNone", "modeStatic", "modeDynamic"};
    for (std::uint32_t i = 0; i < radios_.size(); ++i) {
        radios_[i] = new QRadioButton(desktop ? ListText(modeNames[i]) : handheldNames[i]);
        radios_[i]->setObjectName(QLatin1String(radioNames[i]));
        radios_[i]->setAccessibleName(ChoiceName(group->title(), radios_[i]->text()));
        radioRow->addWidget(radios_[i]);
        // Toggled, not clicked: a screen reader's action changes the state without a click.
        connect(radios_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) SetMode(i);
        });
    }
    return group;
}

QGridLayout* SentinelWindow::BuildTextGrid(bool desktop) {
    const QString handheldLabels[] = {tr("Track1 Start"), tr("Track2 Start"), tr("Track3 Start"),
                                      tr("Track1 End"),   tr("Track2 End"),   tr("Track3 End")};
    auto* grid = new QGridLayout;
    for (std::size_t row = 0; row < kBoxes; ++row) {
        const std::size_t text = TextOfRow(row);
        const bool start = text < static_cast<std::size_t>(vmsm::kTracks);
        const auto& coreLabels = start ? vmsm::lists::SentinelStartLabels() : vmsm::lists::SentinelEndLabels();
        auto* label = new QLabel(desktop ? LabelText(coreLabels[text % vmsm::kTracks]) : handheldLabels[text]);
        auto* box = new QLineEdit(FromBytes(texts_[text]));
        box->setObjectName(QStringLiteral("%1%2").arg(start ? QLatin1String("start") : QLatin1String("end"))
                               .arg(text % vmsm::kTracks + 1));
        label->setBuddy(box);
        grid->addWidget(label, static_cast<int>(row), 0);
        grid->addWidget(box, static_cast<int>(row), 1);
        boxes_[text] = box;
    }
    return grid;
}

void SentinelWindow::SetMode(std::uint32_t mode) {
    mode_ = mode;
    for (QLineEdit* box : boxes_) box->setEnabled(mode == vmsm::SentinelDynamic);
}

QString SentinelWindow::FormLabel() const {
    if (layout_ == context::Layout::Handheld) return hexa_ ? tr("HEXA") : tr("ASCII");
    // These two keep the backslashes of the program's string table.
    return hexa_ ? tr("HEXA (ex: \\\"0A 1F 10 4C\\\")") : tr("ASCII (ex: \\\"START(1)\\\")");
}

void SentinelWindow::SwitchForm(bool hexa) {
    if (hexa == hexa_) return;
    hexa_ = hexa;
    form_->setText(FormLabel());
    form_->setAccessibleName(SpokenText(form_->text()));
    if (layout_ == context::Layout::Desktop) AssignAccessKeys(this);
    // Texts typed in one form mean nothing in the other.
    for (QLineEdit* box : boxes_) box->clear();
    texts_ = {};
}

void SentinelWindow::accept() {
    vmsm::SentinelSix texts;
    for (std::size_t i = 0; i < kBoxes; ++i) texts[i] = ToBytes(boxes_[i]->text());
    const std::string error = vmsm::ConfirmSentinels(hexa_, texts);
    if (!error.empty()) {
        const char* title = layout_ == context::Layout::Desktop ? "Virtual Memory Switch Manager" : "Pelmora";
        prompts_.Message(this, CoreText(title),
                         CoreText(std::string(vmsm::kInvalidValueText)) + QStringLiteral("\r\n") + CoreText(error),
                         PromptIcon::Warning);
        return;
    }
    for (std::size_t i = 0; i < kBoxes; ++i) boxes_[i]->setText(FromBytes(texts[i]));
    texts_ = std::move(texts);
    QDialog::accept();
}

bool EditSentinels(QWidget* parent, context::Layout layout, Prompts& prompts, std::uint32_t& mode,
                   std::array<std::string, 6>& texts) {
    SentinelWindow window(layout, prompts, mode, texts, parent);
    if (window.exec() != QDialog::Accepted) return false;
    mode = window.Mode();
    texts = window.Texts();
    return true;
}

}  // namespace pelmora::ui
