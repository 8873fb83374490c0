#pragma once
#include <QObject>

#include "vmsm/ConfigJobFlow.h"

class QWidget;

namespace pelmora::context { class SettingsStore; }
namespace pelmora::link { struct CommSettings; }
namespace pelmora::vmsm { class MemorySwitchEngine; }

namespace pelmora::ui {

class MemorySwitchManager;
class PhaseTimer;
class Prompts;

/// The desktop's "Virtual Memory Switch Manager": the configuration job flow
/// (vmsm::RunConfigJob) with its reads and writes in the progress window,
/// the manager window as its editing step, and its outcome in a box.
class MemorySwitchJob final : public QObject {
    Q_OBJECT
public:
    /// `timer` drives the progress window (null: real time).
    MemorySwitchJob(QWidget* parent, Prompts& prompts, PhaseTimer* timer = nullptr);

    /// Runs the whole job on the settings handed to the engine's context;
    /// returns after the last box is answered.
    vmsm::JobReport Run(vmsm::MemorySwitchEngine& engine, context::SettingsStore& store);

signals:
    /// The manager window is on screen and takes input.
    void managerOpened(pelmora::ui::MemorySwitchManager* window);

private:
    vmsm::EditChoice Edit(vmsm::MemorySwitchEngine& engine);
    void Show(const vmsm::JobReport& report);

    QWidget* parent_;
    Prompts& prompts_;
    PhaseTimer* timer_;
};

}  // namespace pelmora::ui
