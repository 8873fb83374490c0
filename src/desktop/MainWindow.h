#pragma once
#include <string>
#include <vector>

#include <QDialog>

#include "context/PrinterContext.h"
#include "context/SettingsStore.h"
#include "desktop/CommGroup.h"
#include "desktop/FindPrintersSearch.h"
#include "desktop/UsbPrinterSource.h"
#include "link/CommSettings.h"
#include "vmsm/MemorySwitchEngine.h"

class QLabel;
class QPushButton;

namespace pelmora::ui {
class MemorySwitchJob;
class PhaseTimer;
class Prompts;
}

namespace pelmora::desktop {

/// The main window: the communication settings, kept in the store between
/// runs, and the buttons that start the tools. It owns the printer context
/// for the whole run; tools borrow it after a Request signal.
class MainWindow final : public QDialog {
    Q_OBJECT
public:
    struct Services {
        context::SettingsStore& store;
        link::Platform& platform;
        ui::Prompts& prompts;
        UsbPrinterSource usb;
        bool firmwareManager = false;  ///< offer "Firmware Manager"
        ui::PhaseTimer* phaseTimer = nullptr;  ///< drives the progress windows; null: real time
        LocalPortSource localPorts{};           ///< what "Find Printers" asks; null: no port
    };

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// True when PELMORA_FIRMWARE=1: service technicians get the firmware button.
    static bool FirmwareManagerWanted();

    /// Reads the controls into settings(). False, after a message box, when a
    /// control holds something the link cannot take; settings() then stays.
    bool GatherSettings();
    const link::CommSettings& settings() const { return settings_; }
    context::PrinterContext& printerContext() { return util_; }
    vmsm::MemorySwitchEngine& memorySwitchEngine() { return vmsm_; }
    /// The job "Virtual Memory Switch Manager" runs.
    ui::MemorySwitchJob& memorySwitchJob() { return *vmsmJob_; }

    /// Shows `chosen` in the communication settings, as a printer search found
    /// it; the rest of the window stays.
    void ShowConnection(link::CommSettings chosen);

    void reject() override;

signals:
    /// Settings gathered and handed to printerContext().
    void memorySwitchManagerRequested();
    void nvImageManagerRequested();
    /// Settings gathered; the firmware window opens next with its own copy.
    void firmwareManagerRequested(const link::CommSettings& copy);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildControls();
    void Open();
    void FillByInterface();
    void FillSerialLists();
    void FillUsbPorts();
    void RestoreSelections(const link::CommSettings& stored);
    void ReportUnreadableStore(const std::vector<std::string>& unreadable);
    bool HandOver();
    void OpenFirmwareManager();
    void OpenFindPrinters();
    void OnExit();
    void ShowAbout();
    void Warn(const QString& text);

    Services services_;
    context::PrinterContext util_;
    vmsm::MemorySwitchEngine vmsm_{util_};
    ui::MemorySwitchJob* vmsmJob_ = nullptr;
    link::CommSettings settings_;
    std::vector<std::string> usbPaths_;
    std::vector<std::string> usbLabels_;

    CommControls comm_;
    QLabel* description_ = nullptr;
    QPushButton* firmware_ = nullptr;
};

}  // namespace pelmora::desktop
