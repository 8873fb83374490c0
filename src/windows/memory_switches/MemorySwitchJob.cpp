#include "windows/memory_switches/MemorySwitchJob.h"

#include <QWidget>

#include "context/PrinterContext.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "ui/CoreTexts.h"
#include "ui/JobWindowHost.h"
#include "ui/Prompts.h"
#include "vmsm/MemorySwitchEngine.h"

namespace pelmora::ui {

MemorySwitchJob::MemorySwitchJob(QWidget* parent, Prompts& prompts, PhaseTimer* timer)
    : QObject(parent), parent_(parent), prompts_(prompts), timer_(timer) {}

vmsm::JobReport MemorySwitchJob::Run(vmsm::MemorySwitchEngine& engine, context::SettingsStore& store) {
    JobWindowHost host(context::Layout::Desktop, parent_, timer_);
    const vmsm::JobReport report = vmsm::RunConfigJob(
        engine, host.ConfigJob(store, [this](vmsm::MemorySwitchEngine& e) { return Edit(e); }, context::Layout::Desktop));
    Show(report);
    return report;
}

vmsm::EditChoice MemorySwitchJob::Edit(vmsm::MemorySwitchEngine& engine) {
    MemorySwitchManager window(engine.record(), vmsm::FactsOf(engine.util()), prompts_, parent_);
    connect(&window, &MemorySwitchManager::shown, this, [this, &window] { emit managerOpened(&window); });
    if (window.exec() != QDialog::Accepted) return vmsm::EditChoice::Cancel;
    window.CopyBack(engine.editRecord());
    return window.DefaultRequested() ? vmsm::EditChoice::Default : vmsm::EditChoice::Save;
}

void MemorySwitchJob::Show(const vmsm::JobReport& report) {
    if (report.message.empty()) return;  // an operator's Cancel, or nothing read
    QString text = CoreText(report.message);
    if (!report.storeFailure.empty())
        text += QStringLiteral("\n\n") +
                tr("The printer took the settings, but they could not be stored: %1")
                    .arg(QString::fromStdString(report.storeFailure));
    // The printer's answer comes plain, as every tool's does; a store that
    // failed on this side is the program's own warning.
    prompts_.Message(parent_, CoreText(report.title), text,
                     report.storeFailure.empty() ? PromptIcon::None : PromptIcon::Warning);
}

}  // namespace pelmora::ui
