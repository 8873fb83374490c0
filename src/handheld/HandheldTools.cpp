#include "handheld/HandheldTools.h"

#include "windows/memory_switches/SentinelWindow.h"
#include "windows/nv_images/NvManagerLaunch.h"

namespace pelmora::handheld {

SentinelEditor HandheldSentinelWindow(ui::Prompts& prompts) {
    return [&prompts](QWidget* parent, std::uint32_t& mode, std::array<std::string, 6>& texts) {
        return ui::EditSentinels(parent, context::Layout::Handheld, prompts, mode, texts);
    };
}

NvLauncher HandheldNvManager(context::SettingsStore& store, ui::Prompts& prompts, ui::PhaseTimer* timer) {
    return [&store, &prompts, timer](QWidget* parent, context::PrinterContext& util) {
        ui::LaunchNvManager(parent, context::Layout::Handheld, util, store, prompts, timer);
    };
}

}  // namespace pelmora::handheld
