#pragma once
#include <QWidget>

#include "vmsm/ManagerPages.h"

class QButtonGroup;
class QComboBox;

namespace pelmora::ui {

/// "Printer Setting 1": density, speed, code page, font and double-byte mode.
/// Every change goes into Fields() at once.
class PrinterSettingsPage final : public QWidget {
    Q_OBJECT
public:
    PrinterSettingsPage(const vmsm::Page1Fields& fields, const vmsm::PrinterFacts& facts, QWidget* parent = nullptr);

    const vmsm::Page1Fields& Fields() const { return fields_; }

private:
    vmsm::Page1Fields fields_;
};

}  // namespace pelmora::ui
