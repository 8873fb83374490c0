#include "windows/memory_switches/PrinterSettingsPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "context/FirmwareCapabilities.h"
#include "ui/ByteText.h"
#include "ui/ListTexts.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::ui {

namespace {

namespace lists = vmsm::lists;

// Radios in a group box whose checked id goes into `field`.
QGroupBox* FieldRadios(QWidget* page, const char* title, const QStringList& labels, const QStringList& names,
                       std::uint32_t& field) {
    auto* group = new QGroupBox(LabelText(title), page);
    auto* buttons = new QButtonGroup(group);
    auto* row = new QVBoxLayout(group);
    for (int i = 0; i < labels.size(); ++i) {
        auto* radio = new QRadioButton(labels[i]);
        radio->setObjectName(names[i]);
        buttons->addButton(radio, i);
        row->addWidget(radio);
    }
    if (QAbstractButton* checked = buttons->button(static_cast<int>(field))) checked->setChecked(true);
    QObject::connect(buttons, &QButtonGroup::idClicked, page,
                     [&field](int id) { field = static_cast<std::uint32_t>(id); });
    return group;
}

}  // namespace

PrinterSettingsPage::PrinterSettingsPage(const vmsm::Page1Fields& fields, const vmsm::PrinterFacts& facts, QWidget* parent)
    : QWidget(parent), fields_(fields) {
    setObjectName(QStringLiteral("page1"));
    const std::uint32_t fw = facts.firmware;

    lists::Entries densities;
    for (const std::string& entry : lists::DensityEntries(context::Layout::Desktop))
        densities.push_back(tr("Print density").toStdString() + entry);
    auto* form = new QFormLayout;
    form->addRow(LabelText(lists::kDensityLabel), FieldList(this, "density", densities, fields_.densityIndex));
    form->addRow(LabelText(lists::kSpeedLabel),
                 FieldList(this, "speed", lists::SpeedEntries(context::Layout::Desktop, fw, facts.modelCode),
                           fields_.speed));
    form->addRow(LabelText(lists::kCodePageLabel),
                 FieldList(this, "codePage", lists::CodePageEntries(context::Layout::Desktop, fw), fields_.codePage));

    // Without three fonts the first radio stays hidden and the others take A and B.
    const lists::Entries threeFonts = lists::FontEntries(context::Layout::Desktop, context::kFwLegacyEnd);
    const lists::Entries fonts = lists::FontEntries(context::Layout::Desktop, fw);
    QStringList fontLabels;
    for (std::size_t i = 0; i < threeFonts.size(); ++i) {
        const std::size_t shift = threeFonts.size() - fonts.size();
        fontLabels << ListText(i < shift ? threeFonts[i] : fonts[i - shift]);
    }
    QGroupBox* fontGroup =
        FieldRadios(this, lists::kFontLabel, fontLabels, {"fontA", "fontB", "fontC"}, fields_.fontRadio);
    if (fonts.size() < threeFonts.size()) fontGroup->findChild<QRadioButton*>(QStringLiteral("fontA"))->hide();

    QStringList modes;
    for (const std::string& mode : lists::CharModeEntries()) modes << ListText(mode);
    QGroupBox* charGroup =
        FieldRadios(this, lists::kCharModeLabel, modes, {"charModeOff", "charModeOn"}, fields_.charMode);
    auto* printerCodePage = new QLabel(FromBytes(facts.codePageText), charGroup);
    printerCodePage->setObjectName(QStringLiteral("printerCodePage"));
    charGroup->layout()->addWidget(printerCodePage);

    auto* radios = new QHBoxLayout;
    radios->addWidget(fontGroup);
    radios->addWidget(charGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(radios);
    layout->addStretch();
}

}  // namespace pelmora::ui
