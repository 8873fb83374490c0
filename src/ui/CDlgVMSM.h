#pragma once
#include <QDialog>

#include "vmsm/ManagerPages.h"

class QPushButton;
class QTabWidget;

namespace pelmora::ui {

class CDlgVMSMTab1;
class CDlgVMSMTab2;
class CDlgVMSMTab3;
class Prompts;

/// The memory-switch manager: the record on three pages. "Save" and
/// "Default" end it with OK ("Save" only while every number box holds a
/// number in range); "Cancel" and the close box end it with nothing to copy.
class CDlgVMSM final : public QDialog {
    Q_OBJECT
public:
    CDlgVMSM(const vmsm::PrinterConfig& record, const vmsm::PrinterFacts& facts, Prompts& prompts,
             QWidget* parent = nullptr);

    /// Set by "Default": the factory settings are to be restored.
    bool DefaultRequested() const { return end_ == vmsm::ManagerEnd::Default; }
    /// After OK: the pages' fields into `record` (see vmsm::CopyBack).
    void CopyBack(vmsm::PrinterConfig& record) const;

    CDlgVMSMTab1& page1() const { return *page1_; }
    CDlgVMSMTab2& page2() const { return *page2_; }
    CDlgVMSMTab3& page3() const { return *page3_; }

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
    vmsm::ManagerEnd end_ = vmsm::ManagerEnd::Save;
    QTabWidget* tabs_ = nullptr;
    CDlgVMSMTab1* page1_ = nullptr;
    CDlgVMSMTab2* page2_ = nullptr;
    CDlgVMSMTab3* page3_ = nullptr;
};

}  // namespace pelmora::ui
