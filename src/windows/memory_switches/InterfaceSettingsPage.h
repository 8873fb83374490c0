#pragma once
#include <array>

#include <QWidget>

#include "vmsm/ManagerPages.h"

namespace pelmora::ui {

/// "Printer interface": the printer's serial settings and, once "Enable
/// Bluetooth Setting" is ticked, its Bluetooth settings. Every change goes
/// into Fields() at once.
class InterfaceSettingsPage final : public QWidget {
    Q_OBJECT
public:
    InterfaceSettingsPage(const vmsm::Page3Fields& fields, QWidget* parent = nullptr);

    const vmsm::Page3Fields& Fields() const { return fields_; }

private:
    void SetKeepBluetooth(bool keep);

    vmsm::Page3Fields fields_;
    std::array<QWidget*, 4> bluetooth_{};
};

}  // namespace pelmora::ui
