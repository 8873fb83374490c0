#pragma once
#include <QList>
#include <QWidget>

#include "vmsm/ManagerPages.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora::ui {

class NumberBoxGuard;
class Prompts;

/// "Printer Setting 2": service and tear-off, beeps, power times, MSR
/// trigger and, through "Advance", the sentinels. Every change goes into
/// Fields() at once; a number box keeps its last value in range.
class MorePrinterSettingsPage final : public QWidget {
    Q_OBJECT
public:
    MorePrinterSettingsPage(const vmsm::Page2Fields& fields, const vmsm::PrinterFacts& facts, Prompts& prompts,
                 QWidget* parent = nullptr);

    const vmsm::Page2Fields& Fields() const { return fields_; }

    /// Checks the number boxes in order; at the first bad one, its message,
    /// the focus on it, and false.
    bool CheckNumberBoxes();
    /// Leaving a number box for one of these shows no message.
    void QuietTowards(const QList<QWidget*>& controls);

private:
    void ApplyTearOffRule();
    void EditSentinels();

    vmsm::Page2Fields fields_;
    std::uint32_t firmware_;
    Prompts& prompts_;
    QComboBox* service_ = nullptr;
    QLineEdit* tearOff_ = nullptr;
    QList<NumberBoxGuard*> guards_;
};

}  // namespace pelmora::ui
