#pragma once
#include "context/Layout.h"

class QWidget;

namespace pelmora::context {
class PrinterContext;
class SettingsStore;
}  // namespace pelmora::context

namespace pelmora::ui {

class Prompts;
class PhaseTimer;

/// The NV launch: ReadAddresses in the progress window of the layout; on failure the job's message
/// (titled "Pelmora" on the desktop, "NV Manager Utility" on the handheld), link closed,
/// PrinterChecked cleared, no manager; on success the manager window, link closed when it returns.
/// `util` already holds the handed-over settings (PrinterContext::HandOver).
void LaunchNvManager(QWidget* parent, context::Layout layout, context::PrinterContext& util,
                     context::SettingsStore& store, Prompts& prompts, PhaseTimer* timer = nullptr);

}  // namespace pelmora::ui
