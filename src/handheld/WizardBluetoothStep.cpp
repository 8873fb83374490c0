#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "context/PrinterContext.h"
#include "handheld/WizardSteps.h"

namespace pelmora::handheld {

namespace {

const vmsm::TextField& Pin() { return vmsm::TextFieldOf(&vmsm::PrinterConfig::BtPinCode); }
const vmsm::TextField& Name() { return vmsm::TextFieldOf(&vmsm::PrinterConfig::BtDeviceName); }

}  // namespace

WizardBluetoothStep::WizardBluetoothStep(WizardContext& context, QWidget* parent)
    : WizardStepWindow(WizardStep::Five, context, parent) {
    vmsm::PrinterConfig shown = context.record;
    vmsm::StartBluetoothFields(shown, context.util.firmwareVersion(), context.util.modelName());
    auto* body = new QVBoxLayout;
    change_ = new QCheckBox(tr("Enable to change BT Setting"), this);
    change_->setObjectName(QStringLiteral("changeBluetoothCheck"));
    body->addWidget(change_);

    security_ = AddQuestion(body, tr("Authentication & Encryption"), "securityRadio", {tr("Disable"), tr("Enable")},
                            shown.BtSecurity);
    connMode_ = AddQuestion(body, tr("Connection mode"), "connModeRadio", {tr("Mode1"), tr("Mode2"), tr("Mode3")},
                            shown.BtConnMode);

    const auto addBox = [&](const QString& label, const char* name, const std::string& text) {
        auto* box = new QLineEdit(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), this);
        box->setObjectName(QLatin1String(name));
        AddLabelled(body, label, box);
        return box;
    };
    pin_ = addBox(tr("PIN code <Max 12 chars>"), "pinEdit", shown.BtPinCode);
    name_ = addBox(tr("Printer Name <Max 30 chars>"), "nameEdit", shown.BtDeviceName);

    EnableBluetooth(false);
    connect(change_, &QCheckBox::toggled, this, &WizardBluetoothStep::EnableBluetooth);
    Finish(body);
}

void WizardBluetoothStep::EnableBluetooth(bool enabled) {
    for (QAbstractButton* radio : security_->buttons() + connMode_->buttons()) radio->setEnabled(enabled);
    pin_->setEnabled(enabled);
    name_->setEnabled(enabled);
}

bool WizardBluetoothStep::BoxesValid() {
    if (!change_->isChecked()) return true;
    return CheckTextBox(pin_, Pin().maxLength) && CheckTextBox(name_, Name().maxLength);
}

void WizardBluetoothStep::HandBack(End) {
    vmsm::PrinterConfig& r = context_.record;
    const bool send = change_->isChecked();
    r.BtKeep = vmsm::BtKeepFor(send);
    if (!send) return;
    r.BtSecurity = CheckedOr(security_, r.BtSecurity);
    r.BtConnMode = CheckedOr(connMode_, r.BtConnMode);
    r.BtPinCode = pin_->text().toLatin1().toStdString();
    r.BtDeviceName = name_->text().toLatin1().toStdString();
}

}  // namespace pelmora::handheld
