#pragma once
#include <QDialog>

#include "vmsm/ManagerPages.h"

class QPushButton;
class QTabWidget;

namespace pelmora::ui {

class PrinterSettingsPage;
class MorePrinterSettingsPage;
class InterfaceSettingsPage;
class Prompts;

/// The memory-switch manager: the record on three pages. "Save" and
/// "Default" end it with OK ("Save" only while every number box holds a
/// number in range); "Cancel" and the close box end it with nothing to copy.
class MemorySwitchManager final : public QDialog {
    Q_OBJECT
public:
    MemorySwitchManager(const vmsm::PrinterConfig& record, const vmsm::PrinterFacts& facts, Prompts& prompts,
             QWidget* parent = nullptr);

    /// Set by "Default": the factory settings are to be restored.
    bool DefaultRequested() const { return end_ == vmsm::ManagerEnd::Default; }
    /// After OK: the pages' fields into `record` (see vmsm::CopyBack).
    void CopyBack(vmsm::PrinterConfig& record) const;

    PrinterSettingsPage& page1() const { return *page1_; }
    MorePrinterSettingsPage& page2() const { return *page2_; }
    InterfaceSettingsPage& page3() const { return *page3_; }

signals:
    /// The window is on screen and takes input (queued after it shows).
    void shown();

public slots:
    void Save();
    void Default();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::uint32_t firmware_;
    vmsm::ManagerFields shown_;  ///< as the pages opened: an untouched field writes back what was read
    vmsm::ManagerEnd end_ = vmsm::ManagerEnd::Save;
    QTabWidget* tabs_ = nullptr;
    PrinterSettingsPage* page1_ = nullptr;
    MorePrinterSettingsPage* page2_ = nullptr;
    InterfaceSettingsPage* page3_ = nullptr;
};

}  // namespace pelmora::ui
