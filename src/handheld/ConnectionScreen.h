#pragma once
#include <functional>
#include <optional>

#include <QDialog>

#include "context/PrinterContext.h"
#include "context/SettingsStore.h"
#include "handheld/ConnectionRules.h"
#include "handheld/VmsmWizard.h"
#include "vmsm/MemorySwitchEngine.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace pelmora::ui {
class PhaseTimer;
class Prompts;
}

namespace pelmora::handheld {

/// The NV image job: runs with the settings already handed to `util`.
using NvLauncher = std::function<void(QWidget* parent, context::PrinterContext& util)>;

/// The handheld's main window: a small connection screen (a COM port and
/// its speed, or a TCP/IP address and port) with the two tools. It owns the
/// printer context and the memory-switch engine for the whole run.
class ConnectionScreen final : public QDialog {
    Q_OBJECT
public:
    struct Services {
        context::SettingsStore& store;
        link::Platform& platform;
        ui::Prompts& prompts;
        ui::PhaseTimer* timer = nullptr;  ///< the progress window's (null: real time)
        SentinelEditor editSentinels = [](QWidget*, std::uint32_t&, std::array<std::string, 6>&) { return false; };
        NvLauncher launchNv = [](QWidget*, context::PrinterContext&) {};
        StepDriver driveSteps = ModalSteps();
    };

    explicit ConnectionScreen(Services services, QWidget* parent = nullptr);
    ~ConnectionScreen() override;

    context::PrinterContext& printerContext() { return util_; }
    vmsm::MemorySwitchEngine& engine() { return engine_; }

    /// The close box: the link closes, nothing is stored.
    void reject() override;

private:
    void BuildControls();
    void Open();
    void UpdateView();
    void NameHiddenControls();
    ConnectionForm Form() const;
    /// What the link gets, or nothing after a message about the bad control.
    std::optional<link::CommSettings> Gather();
    void RunConfigJob();
    void RunNvJob();
    void OnExit();
    void Warn(const QString& text);

    Services services_;
    context::PrinterContext util_;
    vmsm::MemorySwitchEngine engine_;

    QCheckBox* tcp_ = nullptr;
    QLabel* firstLabel_ = nullptr;
    QLabel* secondLabel_ = nullptr;
    QComboBox* port_ = nullptr;
    QComboBox* baud_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* tcpPort_ = nullptr;
};

}  // namespace pelmora::handheld
