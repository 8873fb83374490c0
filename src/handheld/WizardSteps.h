#pragma once
#include <array>
#include <memory>
#include <string>

#include "handheld/WizardStepWindow.h"

class QAbstractButton;
class QCheckBox;
class QPushButton;

/// The five steps; each fills its controls from the record when it is made.
namespace pelmora::handheld {

/// Speed, density and font.
class WizardPrintStep final : public WizardStepWindow {
    Q_OBJECT
public:
    WizardPrintStep(WizardContext& context, QWidget* parent);

private:
    void HandBack(End end) override;
    QComboBox* speed_;
    QComboBox* density_;
    QButtonGroup* font_;
};

/// Code page, MSR trigger, sentinels, service and tear-off position.
class WizardMsrStep final : public WizardStepWindow {
    Q_OBJECT
public:
    WizardMsrStep(WizardContext& context, QWidget* parent);

private:
    bool BoxesValid() override;
    void HandBack(End end) override;
    void EditSentinels();
    void FollowService();
    QComboBox* codePage_;
    QComboBox* msr_;
    QPushButton* advance_;
    QButtonGroup* service_;
    QLineEdit* tearOff_;
    std::uint32_t sentinel_;
    std::array<std::string, 6> sentinelTexts_;
};

/// The three beep and character-mode choices.
class WizardBeepStep final : public WizardStepWindow {
    Q_OBJECT
public:
    WizardBeepStep(WizardContext& context, QWidget* parent);

private:
    void HandBack(End end) override;
    QButtonGroup* beepPaper_;
    QButtonGroup* beepLowBat_;
    QButtonGroup* charMode_;
};

/// The printer's serial interface and its power times.
class WizardInterfaceStep final : public WizardStepWindow {
    Q_OBJECT
public:
    WizardInterfaceStep(WizardContext& context, QWidget* parent);

private:
    bool BoxesValid() override;
    void HandBack(End end) override;
    QComboBox* baud_;
    QComboBox* parity_;
    QComboBox* dataBits_;
    QComboBox* stopBits_;
    QLineEdit* timeOff_;
    QLineEdit* timeSave_;
};

/// Bluetooth, changed only when its box is ticked.
class WizardBluetoothStep final : public WizardStepWindow {
    Q_OBJECT
public:
    WizardBluetoothStep(WizardContext& context, QWidget* parent);

private:
    bool BoxesValid() override;
    void HandBack(End end) override;
    void EnableBluetooth(bool enabled);
    QCheckBox* change_;
    QButtonGroup* security_;
    QButtonGroup* connMode_;
    QLineEdit* pin_;
    QLineEdit* name_;
};

std::unique_ptr<WizardStepWindow> MakeWizardStep(WizardStep step, WizardContext& context, QWidget* parent);

}  // namespace pelmora::handheld
