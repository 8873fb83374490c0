#include "windows/memory_switches/InterfaceSettingsPage.h"

#include <algorithm>
#include <span>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "link/CommSettings.h"
#include "ui/ByteText.h"
#include "ui/ListTexts.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::ui {

namespace {

namespace lists = vmsm::lists;

// A list whose entries stand for `values`; the chosen value goes into `field`.
QComboBox* ValueList(QWidget* page, const char* name, const lists::Entries& entries,
                     std::span<const std::uint32_t> values, std::uint32_t& field) {
    const auto at = std::find(values.begin(), values.end(), field);
    auto* list = new QComboBox(page);
    list->setObjectName(QLatin1String(name));
    FillList(list, entries, static_cast<std::uint32_t>(at - values.begin()));
    QObject::connect(list, &QComboBox::currentIndexChanged, page, [&field, values](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < values.size()) field = values[static_cast<std::size_t>(index)];
    });
    return list;
}

// A Bluetooth text box: bytes the printer can take, no more than its command has room for.
QLineEdit* TextBox(QWidget* page, const char* name, std::string vmsm::PrinterConfig::*member, std::string& field) {
    auto* box = new QLineEdit(FromBytes(field), page);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(static_cast<int>(vmsm::TextFieldOf(member).maxLength));
    static const QRegularExpression kSendable(QStringLiteral("[\\x{20}-\\x{FF}]*"));
    box->setValidator(new QRegularExpressionValidator(kSendable, box));
    QObject::connect(box, &QLineEdit::textChanged, page, [&field](const QString& text) { field = ToBytes(text); });
    return box;
}

}  // namespace

InterfaceSettingsPage::InterfaceSettingsPage(const vmsm::Page3Fields& fields, QWidget* parent) : QWidget(parent), fields_(fields) {
    setObjectName(QStringLiteral("page3"));

    auto* serial = new QGroupBox(tr("Serial Interface Configuration"));
    serial->setObjectName(QStringLiteral("serialGroup"));
    auto* serialForm = new QFormLayout(serial);
    serialForm->addRow(LabelText(lists::kBaudLabel),
                       ValueList(this, "baudRate", lists::BaudEntries(), link::kBaudRates, fields_.baudrate));
    serialForm->addRow(LabelText(lists::kDataBitsLabel),
                       ValueList(this, "dataBits", lists::DataBitEntries(), vmsm::kDataBitChoices, fields_.databit));
    serialForm->addRow(LabelText(lists::kParityLabel),
                       FieldList(this, "parity", lists::ParityEntries(), fields_.parity, kParityUse));
    serialForm->addRow(LabelText(lists::kStopBitsLabel), ValueList(this, "stopBits", lists::StopBitEntries(),
                                                                  vmsm::kStopBitChoices, fields_.stopBits));

    auto* enable = new QCheckBox(tr("Enable Bluetooth Setting"));
    enable->setObjectName(QStringLiteral("enableBluetooth"));
    auto* bluetooth = new QGroupBox(tr("Bluetooth Interface Configuration"));
    bluetooth->setObjectName(QStringLiteral("bluetoothGroup"));
    auto* btForm = new QFormLayout(bluetooth);
    bluetooth_ = {FieldList(this, "btSecurity", lists::BtSecurityEntries(), fields_.security),
                  FieldList(this, "btConnMode", lists::BtConnModeEntries(), fields_.connMode),
                  TextBox(this, "btPin", &vmsm::PrinterConfig::BtPinCode, fields_.pinCode),
                  TextBox(this, "btName", &vmsm::PrinterConfig::BtDeviceName, fields_.deviceName)};
    btForm->addRow(LabelText(lists::kBtSecurityLabel), bluetooth_[0]);
    btForm->addRow(LabelText(lists::kBtConnModeLabel), bluetooth_[1]);
    btForm->addRow(LabelText(lists::kBtPinLabel), bluetooth_[2]);
    btForm->addRow(LabelText(lists::kBtNameLabel), bluetooth_[3]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(serial);
    layout->addWidget(enable);
    layout->addWidget(bluetooth);
    layout->addStretch();

    connect(enable, &QCheckBox::toggled, this, [this](bool on) { SetKeepBluetooth(!on); });
    SetKeepBluetooth(true);
}

void InterfaceSettingsPage::SetKeepBluetooth(bool keep) {
    fields_.keepBluetooth = vmsm::BtKeepFor(!keep);
    for (QWidget* control : bluetooth_) control->setEnabled(!keep);
}

}  // namespace pelmora::ui
